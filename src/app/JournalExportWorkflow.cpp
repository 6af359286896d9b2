// The main window's part of the journal's export: the readings the journal lets through, rendered
// as the Reading page would show them, put into one document and printed once into one PDF.

#include <QFile>
#include <QProgressDialog>
#include <QScopeGuard>

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "base/FileBytes.h"
#include "reading/JoinReadingPages.h"
#include "ui/database/JournalPage.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {
namespace {

// The bar counts the readings rendered, then the document's loading in the view (in percent). The
// web engine says nothing while it prints, which is most of the time: the bar then shows that work
// goes on, and Cancel still stops it.
constexpr int kLoadSteps = 100;

}  // namespace

void MainWindow::ConnectJournalHandlers() {
  OnUserAction(journal_page_, &JournalPage::ExportClicked, this, &MainWindow::ExportJournalPdf);
}

std::string MainWindow::JournalDocumentPath() const {
  return app_.Path(kXFilesFolder) + "journal-0001.html";
}

void MainWindow::ExportJournalPdf(const std::vector<std::string>& files) {
  if (files.empty()) return;
  const QString target = FileDialog::SaveFileName(
      this, Tr("Export PDF", "Экспорт в PDF"),
      FileDialog::InDocuments(Tr("Journal", "Журнал") + ".pdf"),
      Tr("PDF documents (*.pdf)", "Документы PDF (*.pdf)"), QStringLiteral("pdf"));
  if (target.isEmpty()) return;

  const int count = static_cast<int>(files.size());
  QProgressDialog progress(Tr("Preparing the readings…", "Готовлю расклады…"),
                           Tr("Cancel", "Отмена"), 0, count + kLoadSteps, this);
  progress.setObjectName(QStringLiteral("JournalExportProgress"));
  progress.setWindowTitle(Tr("Export PDF", "Экспорт в PDF"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoReset(false);  // the bar goes on to the loading and the writing
  progress.setAutoClose(false);
  progress.setValue(0);

  // Every reading with the options, titles, texts and deck of this moment, as a load shows it.
  const std::string deck_folder = SelectedDeckFolder("/");
  const PageSettings settings = GatherPageSettings();
  std::vector<Lines> pages;
  QStringList left_out;
  for (int i = 0; i < count; ++i) {
    if (progress.wasCanceled()) return;
    const std::string& file = files[static_cast<std::size_t>(i)];
    try {
      pages.push_back(
          session_.PageOf(ReadLinesFile(DatabaseFolder() + file), deck_folder, settings));
    } catch (const AppError&) {
      left_out << ToQString(file);  // a file that is no reading spoils none of the others
    }
    progress.setValue(i + 1);
  }
  if (pages.empty())
    throw AppError(ToBytes(
        Tr("None of the readings could be read.", "Ни один расклад не удалось прочитать.")));

  const std::string document = JournalDocumentPath();
  WriteLinesFile(document, JoinReadingPages(pages, ToBytes(Tr("Journal", "Журнал"))));
  const auto remove = qScopeGuard([&document] { QFile::remove(ToQString(document)); });
  HtmlView view;
  QObject::connect(&progress, &QProgressDialog::canceled, &view, &HtmlView::Abort);
  const auto loading =
      QObject::connect(&view, &QWebEngineView::loadProgress, &progress,
                       [&progress, count](int percent) { progress.setValue(count + percent); });
  progress.setLabelText(Tr("Laying out the pages…", "Раскладываю страницы…"));
  view.Navigate(document);
  view.WaitUntilLoaded();
  QObject::disconnect(loading);
  if (progress.wasCanceled()) return;
  progress.setLabelText(Tr("Writing the PDF…", "Записываю PDF…"));
  progress.setRange(0, 0);
  view.SavePdf(ToBytes(target), HtmlView::LocalePageLayout());
  if (progress.wasCanceled()) return;
  progress.close();
  if (!left_out.isEmpty()) {
    constexpr int kNamed = 10;
    QString names = left_out.mid(0, kNamed).join(QStringLiteral(", "));
    if (left_out.size() > kNamed) names += QStringLiteral(", …");
    MessageBox::ShowError(
        this, ToBytes(Tr("The PDF is written without these files, which are no readings: %1",
                         "PDF записан без этих файлов, они не расклады: %1")
                          .arg(names)));
  }
}

}  // namespace sibylon
