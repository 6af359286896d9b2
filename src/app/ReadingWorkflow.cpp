// The main window's part of showing a reading: its file name, the page rendered from the held
// reading, the Reading page with its full-screen layout, printing, and the description sets.

#include <QGuiApplication>
#include <QLayout>
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
  OnUserAction(reading_page_, &ReadingPage::FullScreenClicked, this, &MainWindow::ButtonFSVClick);
  OnUserAction(reading_page_, &ReadingPage::RestoreWindowClicked, this,
               &MainWindow::ButtonNSVClick);
  OnUserAction(reading_page_, &ReadingPage::ReturnNewSpreadClicked, this,
               &MainWindow::ButtonReturnNSClick);
  OnUserAction(preferences_, &PreferencesPage::FileNameSettingsChanged, this,
               &MainWindow::PreviewFileName);
  OnUserAction(preferences_, &PreferencesPage::RestoreDefaultNameClicked, this,
               &MainWindow::ActionDFNExecute);
  OnUserAction(card_decks_, &CardDecksPage::DeckClicked, this, &MainWindow::Action3CardDeckExecute);
  OnUserAction(preferences_, &PreferencesPage::ResetWindowClicked, this, &MainWindow::Button1Click);
  OnUserAction(findChild<QPushButton*>(QStringLiteral("ButtonConvert")), &QPushButton::clicked,
               this, [this] { ConvertOldDescriptions(app_); });
}

std::string MainWindow::ReadingPagePath() const { return session_.PagePath(); }

PageSettings MainWindow::GatherPageSettings() {
  PageSettings page;
  page.options = preferences_->GatherPageOptions();
  page.words = InterfacePageWords();
  // The chosen description set is read once per page, and only if the page shows texts.
  page.descriptions = [this, set = std::optional<Lines>()](const std::string& section) mutable {
    if (!set) set = SourceLines(Sources(), "CDS");
    return SectionReader(*set, section);
  };
  return page;
}

void MainWindow::ShowReading(const QString& file_name) {
  reading_page_->SetFileName(file_name);
  ShowTab(kReading, true);
  reading_page_->ShowPage(ReadingPagePath());
  page_control_->setCurrentIndex(kReading);
  if (preferences_->AlwaysFullScreen()) ButtonFSVClick();
}

void MainWindow::PreviewFileName() {
  if (const auto spread = new_spread_->SelectedSpread()) {
    std::tm now{};
    const std::time_t clock = std::time(nullptr);
    localtime_r(&clock, &now);
    const std::string date = FormatDateTime(preferences_->DatePattern(), now);
    preferences_->SetFileNamePreview(sibylon::PreviewFileName(
        preferences_->FileNameTemplate(), *spread, date, new_spread_->Person()));
  }
  reading_page_->Edit2Change();
}

void MainWindow::ActionDFNExecute() {
  preferences_->RestoreDefaultFileName();
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
  reading_page_->ShowFullScreenButtons(true);
  reading_page_->ShowPage(ReadingPagePath());
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
  reading_page_->ShowFullScreenButtons(false);
  reading_page_->ShowPage(ReadingPagePath());
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
  WriteLinesFile(path, DeckViewPage(*deck, session_.Titles(), preferences_->CodePage(),
                                    preferences_->ShowFrames()));
  card_decks_->ShowDeckView(path);
  ShowDeckInfo(*deck);
}

void MainWindow::FillDescriptionSetList() {
  preferences_->SetDescriptionSets(DescriptionSetNames(app_.Path(kDescriptionsFolder)));
}

}  // namespace sibylon
