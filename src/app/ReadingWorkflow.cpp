// The main window's part of showing a reading: its file name, the page rendered from the held
// reading, the Reading page with its full-screen layout, printing, and the description sets.

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <ctime>

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "database/ReadingFileName.h"
#include "reading/DeckViewPage.h"
#include "reading/RenderReading.h"
#include "srml/CardDescriptionSet.h"
#include "srml/DateTimeFormat.h"
#include "ui/deck/NewSpreadPage.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/reading/CardDecksPage.h"
#include "ui/reading/ReadingPage.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/settings/PreferencesPage.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

void MainWindow::ConnectReadingHandlers() {
  OnUserAction(reading_page_->file_name, &QLineEdit::textChanged, this, &MainWindow::Edit2Change);
  OnUserAction(reading_page_->full_screen, &QPushButton::clicked, this,
               &MainWindow::ButtonFSVClick);
  OnUserAction(reading_page_->restore_window, &QPushButton::clicked, this,
               &MainWindow::ButtonNSVClick);
  OnUserAction(reading_page_->return_new_spread, &QPushButton::clicked, this,
               &MainWindow::ButtonReturnNSClick);
  OnUserAction(reading_page_->print, &QPushButton::clicked, this,
               [this] { reading_page_->view->PrintPreview(); });
  OnUserAction(reading_page_->save_html, &QPushButton::clicked, this,
               [this] { reading_page_->view->SaveAs(); });
  OnUserAction(preferences_->file_name_template, &QLineEdit::textChanged, this,
               &MainWindow::PreviewFileName);
  OnUserAction(preferences_->date_format, &QComboBox::currentIndexChanged, this,
               &MainWindow::PreviewFileName);
  OnUserAction(preferences_->restore_default_name, &QPushButton::clicked, this,
               &MainWindow::ActionDFNExecute);
  // Every click views the deck, the selected one too; so does moving through the list with the
  // keys. A selection that the program makes is no click.
  OnUserAction(card_decks_->decks, &QListWidget::itemClicked, this,
               &MainWindow::Action3CardDeckExecute);
  OnUserAction(card_decks_->decks, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && card_decks_->decks->hasFocus() &&
        QGuiApplication::mouseButtons() == Qt::NoButton) {
      Action3CardDeckExecute();
    }
  });
  OnUserAction(preferences_->reset_window, &QPushButton::clicked, this, &MainWindow::Button1Click);
  OnUserAction(findChild<QPushButton*>(QStringLiteral("ButtonConvert")), &QPushButton::clicked,
               this, [this] { ConvertOldDescriptions(app_); });
}

std::string MainWindow::ReadingPagePath() const { return session_.PagePath(); }

PageOptions MainWindow::GatherPageOptions() const {
  const PreferencesPage& p = *preferences_;
  PageOptions options;
  options.name = p.add_name->isChecked();
  options.date = p.add_date->isChecked();
  options.question = p.add_question->isChecked();
  options.numbers = p.show_numbers->isChecked();
  options.titles = p.show_titles->isChecked();
  options.frames = p.show_frames->isChecked();
  options.meanings = p.show_meanings->isChecked();
  options.reading = p.show_reading->isChecked();
  options.blank_on = p.blank_label_on->isChecked();
  options.blank_text = ToBytes(p.blank_label->text());
  options.normal_on = p.normal_label_on->isChecked();
  options.normal_text = ToBytes(p.normal_label->text());
  options.reversed_on = p.reversed_label_on->isChecked();
  options.reversed_text = ToBytes(p.reversed_label->text());
  options.code_page = ToBytes(p.code_page->currentText());
  return options;
}

PageSettings MainWindow::GatherPageSettings() {
  PageSettings page;
  page.options = GatherPageOptions();
  page.words = InterfacePageWords();
  // The chosen description set is read once per page, and only if the page shows texts.
  page.descriptions = [this, set = std::optional<Lines>()](const std::string& section) mutable {
    if (!set) set = SourceLines(Sources(), "CDS");
    return SectionReader(*set, section);
  };
  return page;
}

void MainWindow::ShowReading(const QString& file_name) {
  reading_page_->file_name->setText(file_name);
  ShowTab(kReading, true);
  reading_page_->view->Navigate(ReadingPagePath());
  page_control_->setCurrentIndex(kReading);
  if (preferences_->always_full_screen->isChecked()) ButtonFSVClick();
}

void MainWindow::PreviewFileName() {
  if (const auto spread = new_spread_->SelectedSpread()) {
    std::tm now{};
    const std::time_t clock = std::time(nullptr);
    localtime_r(&clock, &now);
    const std::string date = FormatDateTime(ToBytes(preferences_->date_format->currentText()), now);
    preferences_->file_name_preview->setText(
        ToQString(sibylon::PreviewFileName(ToBytes(preferences_->file_name_template->text()),
                                           *spread, date, ToBytes(new_spread_->name->text()))));
  }
  reading_page_->save_to_database->setEnabled(!reading_page_->file_name->text().isEmpty());
}

void MainWindow::Edit2Change() {
  QLineEdit* field = reading_page_->file_name;
  const QString clean = ToQString(RemoveRestrictedSymbols(ToBytes(field->text())));
  if (clean != field->text()) {
    const int cursor = field->cursorPosition() - (field->text().size() - clean.size());
    field->setText(clean);
    field->setCursorPosition(std::max(0, cursor));
  }
  reading_page_->save_to_database->setEnabled(!field->text().isEmpty());
}

void MainWindow::ActionDFNExecute() {
  preferences_->date_format->setCurrentIndex(0);
  preferences_->file_name_template->setText(QString::fromLatin1(kRestoredFileNameTemplate));
  PreviewFileName();
}

void MainWindow::ButtonFSVClick() {
  // Taken first: changing the window's flags below hides it and forgets where it stood.
  windowed_position_ = pos();
  full_screen_frame_->layout()->addWidget(reading_page_->Panel());
  reading_page_->Panel()->show();
  page_control_->hide();
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  statusBar()->hide();
  full_screen_frame_->show();
  // Without a window manager to honour the full-screen state, the geometry still covers the screen.
  if (QScreen* screen = this->screen()) setGeometry(screen->geometry());
  showFullScreen();
  reading_page_->full_screen->hide();
  reading_page_->restore_window->show();
  reading_page_->return_new_spread->show();
  reading_page_->PlaceFullScreenButtons();
  reading_page_->view->Navigate(ReadingPagePath());
}

void MainWindow::ButtonNSVClick() {
  full_screen_frame_->hide();
  page_control_->show();
  reading_page_->TakeBackPanel();
  // The full-screen state is left while the window is still shown, so that the window manager
  // drops it; then the frame comes back, at the place the window had.
  setWindowState(windowState() & ~Qt::WindowFullScreen);
  setWindowFlags(kFramedWindow);
  setFixedSize(789, 558);
  move(windowed_position_);
  show();
  statusBar()->show();
  reading_page_->restore_window->hide();
  reading_page_->return_new_spread->hide();
  reading_page_->full_screen->show();
  reading_page_->view->Navigate(ReadingPagePath());
}

void MainWindow::ButtonReturnNSClick() {
  ButtonNSVClick();
  page_control_->setCurrentIndex(kNewSpread);
}

void MainWindow::Action3CardDeckExecute() {
  const auto deck = card_decks_->SelectedDeck();
  if (!deck) throw ListIndexOutOfBounds(-1);
  Action2Execute();
  const std::string path = app_.Path(kCardsFolder) + "preview.srml";
  WriteLinesFile(
      path, DeckViewPage(*deck, session_.Titles(), ToBytes(preferences_->code_page->currentText()),
                         preferences_->show_frames->isChecked()));
  card_decks_->view->Navigate(path);
}

void MainWindow::FillDescriptionSetList() {
  QListWidget* list = preferences_->description_sets;
  list->clear();
  for (const std::string& name : DescriptionSetNames(app_.Path(kDescriptionsFolder))) {
    list->addItem(ToQString(name));
  }
}

}  // namespace sibylon
