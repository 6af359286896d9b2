#include "ui/reading/ReadingPage.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <algorithm>

#include "base/FileBytes.h"
#include "database/ReadingFileName.h"
#include "reading/SelfContainedPage.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {

ReadingPage::ReadingPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet3"));
  panel_ = NamedPage("Panel2");
  auto* page_layout = new QVBoxLayout(this);
  page_layout->setContentsMargins(0, 0, 0, 0);
  page_layout->addWidget(panel_);

  bar_ = NamedPage("Panel1");
  bar_->setFixedHeight(35);
  QLabel* label = NamedLabel("Label49", QStringLiteral("Name of the Spread:"), bar_);
  label->setGeometry(6, 10, 116, 16);
  file_name_ = NamedEdit("Edit2", QString(), bar_);
  // The name field gave up some of its width to the two buttons that take a reading away.
  file_name_->setGeometry(124, 6, 193, 23);
  label->setBuddy(file_name_);
  save_html_ = NamedButton("Button6", QStringLiteral("Save HTML"), bar_);
  save_html_->setGeometry(323, 5, 80, 25);
  save_html_->hide();
  save_to_database_ = NamedButton("Button4", QStringLiteral("Save to Database"), bar_);
  save_to_database_->setGeometry(323, 5, 110, 25);
  return_new_spread_ = NamedButton("ButtonReturnNS", QStringLiteral("New Spread"), bar_);
  return_new_spread_->setGeometry(560, 5, 90, 25);
  return_new_spread_->hide();
  print_ = NamedButton("Button5", QStringLiteral("Print"), bar_);
  print_->setGeometry(439, 5, 75, 25);
  save_pdf_ = NamedButton("ButtonSavePdf", Tr("Save as PDF", "В PDF"), bar_);
  save_pdf_->setGeometry(520, 5, 80, 25);
  save_pdf_->setToolTip(
      Tr("Save the reading as a PDF document", "Сохранить расклад в документ PDF"));
  export_page_ = NamedButton("ButtonExportPage", Tr("Export Page", "Экспорт"), bar_);
  export_page_->setGeometry(606, 5, 78, 25);
  export_page_->setToolTip(Tr("Save the reading as one web page with its pictures inside",
                              "Сохранить расклад одной веб-страницей вместе с картинками"));
  full_screen_ = NamedButton("ButtonFSV", QStringLiteral("Full Screen"), bar_);
  full_screen_->setGeometry(690, 5, 83, 25);
  restore_window_ = NamedButton("ButtonNSV", QStringLiteral("Restore Window"), bar_);
  QFont bold = restore_window_->font();
  bold.setBold(true);
  restore_window_->setFont(bold);
  restore_window_->setGeometry(659, 5, 115, 25);
  restore_window_->hide();
  bar_->installEventFilter(this);

  view_ = new HtmlView(panel_);
  view_->setObjectName(QStringLiteral("CppWebBrowser1"));
  NameAfter(view_, {this});
  auto* panel_layout = new QVBoxLayout(panel_);
  panel_layout->setContentsMargins(0, 0, 0, 0);
  panel_layout->setSpacing(0);
  panel_layout->addWidget(bar_);
  panel_layout->addWidget(view_, 1);

  OnUserAction(file_name_, &QLineEdit::textChanged, this, &ReadingPage::Edit2Change);
  OnUserAction(print_, &QPushButton::clicked, this, [this] { view_->PrintPreview(); });
  OnUserAction(save_html_, &QPushButton::clicked, this, [this] { view_->SaveAs(); });
  OnUserAction(save_pdf_, &QPushButton::clicked, this, &ReadingPage::SavePdfClick);
  OnUserAction(export_page_, &QPushButton::clicked, this, &ReadingPage::ExportPageClick);
  connect(save_to_database_, &QPushButton::clicked, this, &ReadingPage::SaveToDatabaseClicked);
  connect(full_screen_, &QPushButton::clicked, this, &ReadingPage::FullScreenClicked);
  connect(restore_window_, &QPushButton::clicked, this, &ReadingPage::RestoreWindowClicked);
  connect(return_new_spread_, &QPushButton::clicked, this, &ReadingPage::ReturnNewSpreadClicked);
}

std::string ReadingPage::FileName() const { return ToBytes(file_name_->text()); }

void ReadingPage::SetFileName(const QString& name) { file_name_->setText(name); }

void ReadingPage::FocusFileName() { file_name_->setFocus(); }

void ReadingPage::Edit2Change() {
  const QString clean = ToQString(RemoveRestrictedSymbols(ToBytes(file_name_->text())));
  if (clean != file_name_->text()) {
    const int cursor = file_name_->cursorPosition() - (file_name_->text().size() - clean.size());
    file_name_->setText(clean);
    file_name_->setCursorPosition(std::max(0, cursor));
  }
  save_to_database_->setEnabled(!file_name_->text().isEmpty());
}

void ReadingPage::ShowPage(const std::string& path) { view_->Navigate(path); }

QString ReadingPage::SuggestedFile(const QString& extension) const {
  const QString name = file_name_->text().trimmed();
  return FileDialog::InDocuments((name.isEmpty() ? Tr("Reading", "Расклад") : name) + extension);
}

void ReadingPage::SavePdfClick() {
  if (view_->ShownFile().empty()) return;
  const QString target = FileDialog::SaveFileName(
      window(), Tr("Save as PDF", "Сохранить в PDF"), SuggestedFile(QStringLiteral(".pdf")),
      Tr("PDF documents (*.pdf)", "Документы PDF (*.pdf)"), QStringLiteral("pdf"));
  if (target.isEmpty()) return;
  // The engine prints while events go on: the bar waits until the file is written.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  bar_->setEnabled(false);
  const auto restore = qScopeGuard([this] {
    bar_->setEnabled(true);
    QApplication::restoreOverrideCursor();
  });
  view_->SavePdf(ToBytes(target), HtmlView::LocalePageLayout());
}

void ReadingPage::ExportPageClick() {
  const std::string shown = view_->ShownFile();
  if (shown.empty()) return;
  const QString target = FileDialog::SaveFileName(
      window(), Tr("Export Page", "Экспорт страницы"), SuggestedFile(QStringLiteral(".html")),
      Tr("Web pages (*.html *.htm)", "Веб-страницы (*.html *.htm)"), QStringLiteral("html"));
  if (target.isEmpty()) return;
  const std::string folder = ToBytes(QFileInfo(ToQString(shown)).absolutePath()) + "/";
  SaveToFile(ToBytes(target), SelfContainedPage(ReadFileBytes(shown), folder));
}

void ReadingPage::ShowFullScreenButtons(bool full_screen) {
  full_screen_->setVisible(!full_screen);
  restore_window_->setVisible(full_screen);
  return_new_spread_->setVisible(full_screen);
  if (full_screen) PlaceFullScreenButtons();
}

void ReadingPage::TakeBackPanel() {
  layout()->addWidget(panel_);
  panel_->show();
}

void ReadingPage::PlaceFullScreenButtons() {
  const int width = bar_->width();
  restore_window_->move(width - restore_window_->width() - 2, restore_window_->y());
  return_new_spread_->move(width - return_new_spread_->width() - restore_window_->width() - 10,
                           return_new_spread_->y());
}

bool ReadingPage::eventFilter(QObject* watched, QEvent* event) {
  // The bar widens when the window goes full screen; the buttons keep to its right edge.
  if (watched == bar_ && event->type() == QEvent::Resize && !restore_window_->isHidden()) {
    PlaceFullScreenButtons();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace sibylon
