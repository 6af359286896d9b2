// Budgets of taking a reading away, measured on the real main window (offscreen), with the
// shipped deck, spreads and texts:
// - "Save as PDF" of a 10-card reading with texts: under 2 s;
// - the print preview of that reading shown: under 3 s (beside it, the way it was made before:
//   the web engine's printing at the printer's high resolution);
// - the journal's export of 100 such readings into one PDF: under 60 s.
// Run as build/bench/sibylon_export_bench (QT_QPA_PLATFORM=offscreen is set when missing).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <ctime>

#include "app/MainWindow.h"
#include "base/TextLines.h"
#include "deck/ShuffleCards.h"
#include "srml/DateTimeFormat.h"
#include "srml/SavedReading.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/MessageBox.h"

namespace sibylon {
namespace {

constexpr char kSpread[] = "Celtic Cross";  // ten cards

// An AppFolder with the shipped data (the deck linked in) and `readings` stored readings of the
// ten-card spread.
std::unique_ptr<QTemporaryDir> MakeAppFolder(int readings) {
  auto dir = std::make_unique<QTemporaryDir>();
  const QString data = QStringLiteral(SIBYLON_DATA);
  for (const char* folder : {"spreads", "descriptions", "database", "cards", "titles", "xfiles"}) {
    QDir(dir->path()).mkpath(QString::fromLatin1(folder));
  }
  for (const QString folder : {"spreads", "descriptions", "titles", "xfiles"}) {
    for (const QString& file : QDir(data + "/" + folder).entryList(QDir::Files)) {
      QFile::copy(data + "/" + folder + "/" + file, dir->path() + "/" + folder + "/" + file);
    }
  }
  QFile::link(data + "/cards/Celestine", dir->path() + "/cards/Celestine");
  DeckOptions options;
  options.reversed = true;
  DealInputs inputs;
  inputs.spread_name = kSpread;
  inputs.date_pattern = kDateTimePatterns[0];
  inputs.spread_document = ReadLinesFile(data.toStdString() + "/spreads/" + kSpread + ".srml");
  for (int i = 0; i < readings; ++i) {
    const ShuffleResult shuffle = ShuffleCards(options, static_cast<std::uint32_t>(i + 1));
    inputs.person = "Person " + std::to_string(i % 7);
    inputs.question_lines = {"Question number " + std::to_string(i)};
    inputs.local_time.tm_year = 100 + i % 20;
    inputs.local_time.tm_mday = 1 + i % 28;
    inputs.fortune = shuffle.fortune;
    inputs.mirrors = shuffle.mirrors;
    WriteLinesFile(dir->path().toStdString() + "/database/Reading " + std::to_string(i) + ".srml",
                   ComposeSavedReading(inputs));
  }
  return dir;
}

// The window with a ten-card reading dealt and shown.
struct DealtWindow {
  explicit DealtWindow(int readings = 0)
      : app(MakeAppFolder(readings)), window(AppFolder(app->path().toStdString() + "/")) {
    window.show();
    auto* spreads = window.findChild<QListWidget*>(QStringLiteral("ListBox3"));
    spreads->setCurrentItem(spreads->findItems(kSpread, Qt::MatchExactly).first());
    view = window.findChild<QWebEngineView*>(QStringLiteral("CppWebBrowser1"));
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    ok = loaded.wait(20000);
  }
  QString Path(const QString& name) const { return app->path() + "/" + name; }

  std::unique_ptr<QTemporaryDir> app;
  MainWindow window;
  QWebEngineView* view = nullptr;
  bool ok = false;
};

void BM_SaveAsPdfOfATenCardReading(benchmark::State& state) {
  DealtWindow dealt;
  if (!dealt.ok) state.SkipWithError("the reading did not load");
  auto* save = dealt.window.findChild<QPushButton*>(QStringLiteral("ButtonSavePdf"));
  for (auto _ : state) {
    FileDialog::SetNextFileName(dealt.Path("reading.pdf"));
    save->click();
  }
  state.counters["pdf_kB"] = static_cast<double>(QFile(dealt.Path("reading.pdf")).size()) / 1024;
  if (!MessageBox::TakeShownErrors().isEmpty()) state.SkipWithError("the PDF was not written");
}
BENCHMARK(BM_SaveAsPdfOfATenCardReading)->Unit(benchmark::kMillisecond)->Iterations(5);

// From the click on "Print" to the preview shown with its pages drawn; then it is closed.
void BM_PrintPreviewShown(benchmark::State& state) {
  DealtWindow dealt;
  if (!dealt.ok) state.SkipWithError("the reading did not load");
  auto* print = dealt.window.findChild<QPushButton*>(QStringLiteral("Button5"));
  int pages = 0;
  for (auto _ : state) {
    print->click();
    QPrintPreviewDialog* dialog = nullptr;
    QPrintPreviewWidget* preview = nullptr;
    while (!(dialog = dealt.window.findChild<QPrintPreviewDialog*>()) ||
           !(preview = dialog->findChild<QPrintPreviewWidget*>()) || !dialog->isVisible() ||
           preview->pageCount() == 0) {
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    pages = preview->pageCount();
    state.PauseTiming();
    dialog->reject();
    while (dealt.window.findChild<QPrintPreviewDialog*>()) {
      QApplication::processEvents(QEventLoop::AllEvents, 50);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintPreviewShown)->Unit(benchmark::kMillisecond)->Iterations(3);

// The preview as it was made before: the web engine printing every page at the printer's high
// resolution (1200 dpi), for comparison.
void BM_PrintPreviewShownAtHighResolution(benchmark::State& state) {
  DealtWindow dealt;
  if (!dealt.ok) state.SkipWithError("the reading did not load");
  QWebEngineView* view = dealt.view;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, &dealt.window);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, view, [view](QPrinter* target) {
      QEventLoop wait;
      QObject::connect(view, &QWebEngineView::printFinished, &wait, &QEventLoop::quit);
      view->print(target);
      wait.exec();
    });
    dialog.open();
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    while (!dialog.isVisible() || preview->pageCount() == 0) {
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    state.PauseTiming();
    dialog.reject();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PrintPreviewShownAtHighResolution)->Unit(benchmark::kMillisecond)->Iterations(1);

// The journal's "Export PDF" of 100 stored ten-card readings, from the click to the file written.
void BM_JournalExportOf100Readings(benchmark::State& state) {
  DealtWindow dealt(100);
  auto* pages = dealt.window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  pages->setCurrentIndex(MainWindow::kJournal);
  QApplication::processEvents();
  auto* export_pdf = dealt.window.findChild<QPushButton*>(QStringLiteral("JournalExportPdf"));
  for (auto _ : state) {
    FileDialog::SetNextFileName(dealt.Path("journal.pdf"));
    export_pdf->click();
  }
  state.counters["pdf_MB"] =
      static_cast<double>(QFile(dealt.Path("journal.pdf")).size()) / (1024 * 1024);
  if (!MessageBox::TakeShownErrors().isEmpty()) state.SkipWithError("the PDF was not written");
}
BENCHMARK(BM_JournalExportOf100Readings)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace sibylon
