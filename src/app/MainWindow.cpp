#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/SplashWindow.h"
#include "base/ProductInfo.h"
#include "base/TempFileName.h"
#include "ui/about/AboutPage.h"
#include "ui/database/DatabasePage.h"
#include "ui/database/JournalPage.h"
#include "ui/deck/NewSpreadPage.h"
#include "ui/editors/DescriptionsEditorPage.h"
#include "ui/editors/SpreadEditorPage.h"
#include "ui/editors/TitlesEditorPage.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/reading/CardDecksPage.h"
#include "ui/reading/ReadingPage.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/settings/PreferencesPage.h"
#include "ui/widgets/CompactTabs.h"
#include "ui/widgets/EnterClicksButtons.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/ImageList.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

// Tahoma 8 pt where the desktop has it, else the desktop's own sans font at 8 pt.
QFont WindowFont() {
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
    return QFont(QStringLiteral("Tahoma"), 8);
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(8);
  return font;
}

}  // namespace

MainWindow::MainWindow(AppFolder app, QWidget* parent)
    : QMainWindow(parent),
      app_(std::move(app)),
      session_(app_.Path(kXFilesFolder) + "newSpread-0001.html") {
  setObjectName(QStringLiteral("TForm1"));
  EnterClicksButtons::Install();
  setWindowFlags(kFramedWindow);
  setFont(WindowFont());
  setFixedSize(789, 558);
  session_.SetTitles(ComposeCardTitleList(InitialTitleSet()));
  BuildPages();
  UpdateAccessibleNames(this);  // names taken from tab captions need the pages in their tabs
  ConnectHandlers();
  ConnectReadingHandlers();
  ConnectDatabaseHandlers();
  ConnectJournalHandlers();
  ConnectDeckHandlers();
  CenterOnDesktop();

  startup_failure_ = RunSteps(StartupSteps());
  if (startup_failure_) MessageBox::ShowError(this, startup_failure_->message);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPages() {
  auto* frame = new QWidget(this);
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->setContentsMargins(0, 0, 0, 0);
  page_control_ = NamedTabs("PageControl1", frame);
  frame_layout->addWidget(page_control_);
  full_screen_frame_ = new QWidget(frame);
  (new QVBoxLayout(full_screen_frame_))->setContentsMargins(0, 0, 0, 0);
  full_screen_frame_->hide();
  frame_layout->addWidget(full_screen_frame_);
  setCentralWidget(frame);

  new_spread_ = new NewSpreadPage;
  page_control_->addTab(new_spread_, ImageListIcon(41), QStringLiteral("New Spread"));
  reading_page_ = new ReadingPage;
  page_control_->addTab(reading_page_, ImageListIcon(8), QStringLiteral("Reading"));
  database_page_ = new DatabasePage;
  page_control_->addTab(database_page_, ImageListIcon(26), QStringLiteral("Database"));
  journal_page_ = new JournalPage(app_.Path(kDatabaseFolder), [this] { return session_.Titles(); });
  page_control_->addTab(journal_page_, ImageListIcon(27), QStringLiteral("Journal"));
  OnUserAction(journal_page_, &JournalPage::ReadingChosen, this, &MainWindow::LoadReading);

  QWidget* sys = NamedPage("TabSheet6");
  NamedButton("Button7", QStringLiteral("XA ->Shuffle"), sys)->move(8, 8);
  NamedButton("ButtonConvert", QStringLiteral("CONVERT"), sys)->move(8, 40);
  page_control_->addTab(sys, ImageListIcon(2), QStringLiteral("SYS"));

  card_decks_ = new CardDecksPage;
  page_control_->addTab(card_decks_, ImageListIcon(18), QStringLiteral("Card Decks"));
  preferences_ = new PreferencesPage;
  page_control_->addTab(preferences_, ImageListIcon(25), QStringLiteral("Preferences"));

  QWidget* editors = NamedPage("TabSheet10");
  QTabWidget* editor_pages = editor_pages_ = NamedTabs("PageControl2", editors);
  auto* editors_layout = new QVBoxLayout(editors);
  editors_layout->setContentsMargins(0, 0, 0, 0);
  editors_layout->addWidget(editor_pages);
  titles_editor_ = new TitlesEditorPage;
  editor_pages->addTab(titles_editor_, ImageListIcon(12), QStringLiteral("Card Titles Editor"));
  auto* descriptions_editor =
      new DescriptionsEditorPage(app_, [this] { return SelectedDeckFolder("/"); });
  descriptions_editor_ = descriptions_editor;
  editor_pages->addTab(descriptions_editor, ImageListIcon(12),
                       QStringLiteral("Card Descriptions Editor"));
  spread_editor_ = new SpreadEditorPage(app_);
  editor_pages->addTab(spread_editor_, ImageListIcon(12), QStringLiteral("Card Spreads Editor"));
  editor_pages->setCurrentIndex(2);
  page_control_->addTab(editors, ImageListIcon(45), QStringLiteral("Editors"));

  about_page_ = new AboutPage(ToQString(app_.Path("guide/user-guide.html")));
  page_control_->addTab(about_page_, ImageListIcon(0), QStringLiteral("About Program"));
  // Eight tabs (with the journal) fit the fixed width only with less space beside the captions.
  auto* compact = new CompactTabs;
  compact->setParent(page_control_);
  page_control_->tabBar()->setStyle(compact);
  OnUserAction(about_page_, &AboutPage::AboutBoxRequested, this,
               [this] { SplashWindow::ShowAboutBox(this); });

  // The maintenance page is never the user's, and a reading page only once a reading exists, even
  // when start-up stops before its steps hide them.
  ShowTab(kSys, false);
  ShowTab(kReading, false);

  QStatusBar* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("StatusBar1"));
  status->setSizeGripEnabled(false);
  status->setFixedHeight(19);
  status_text_ = new QLabel(status);
  status_text_->setObjectName(QStringLiteral("StatusPanel"));
  status_text_->setAlignment(Qt::AlignCenter);
  status->addWidget(status_text_, 1);
  setStatusBar(status);
}

void MainWindow::RemoveSaveLeftovers() {
  for (const std::string_view folder : {kDatabaseFolder, kSpreadsFolder, kDescriptionsFolder,
                                        kTitlesFolder, kXFilesFolder, kCardsFolder}) {
    RemoveTempFileLeftovers(app_.Path(folder), started_);
  }
  // Deck imports that did not finish, and replaced or removed decks whose files did not all go.
  RemoveTempFolderLeftovers(app_.Path(kCardsFolder), started_);
}

std::vector<Step> MainWindow::StartupSteps() {
  return {
      {"ShowFirstPage", [this] { page_control_->setCurrentIndex(kNewSpread); }},
      {"SetCaption", [this] { setWindowTitle(QString::fromLatin1(kWindowCaption)); }},
      {"SetStatusNotice", [this] { status_text_->setText(QString::fromLatin1(kStatusNotice)); }},
      {"FillVersionTexts", [this] { about_page_->FillVersionTexts(); }},
      {"EnableInlineImages", [] { HtmlView::EnableInlineImages(); }},
      {"HideSysTab", [this] { ShowTab(kSys, false); }},
      {"FillTitleAlternatives", [this] { titles_editor_->FillTitleAlternatives(); }},
      {"RefreshSpreadList", [this] { RefreshSpreadList(); }},
      {"UpdateDealButtons", [this] { new_spread_->UpdateDealButtons(); }},
      {"WritePositionGridHeadings", [this] { spread_editor_->WritePositionGridHeadings(); }},
      // The window is built on its AppFolder (App()); its data folders lose what unfinished
      // saves of earlier runs left behind.
      {"DetermineAppFolder", [this] { RemoveSaveLeftovers(); }},
      {"PointSpreadEditorList", [this] { spread_editor_->ReadSpreadFiles(); }},
      {"FillDescriptionSetList", [this] { FillDescriptionSetList(); }},
      {"DrawCardTable", [this] { spread_editor_->DrawCardTable(); }},
      {"PointDatabaseList", [this] { PointDatabaseList(); }},
      {"FillDeckList", [this] { FillDeckList(); }},
      {"ReadSettings", [this] { ReadSettings(); }},
      {"ActionLSDExecute", [this] { ActionLSDExecute(); }},
      {"AdjustDeckChoice", [this] { AdjustDeckChoice(); }},
      {"HideReadingTab", [this] { ShowTab(kReading, false); }},
      {"Action1Execute", [this] { Action1Execute(); }},
      {"Action3CardDeckExecute", [this] { Action3CardDeckExecute(); }},
      {"Action2Execute", [this] { Action2Execute(); }},
      {"UpdateRemoveAllLock", [this] { database_page_->UpdateRemoveAllLock(); }},
      {"StripListExtensions", [this] { StripListExtensions(); }},
      {"CleanSpreadTitle", [this] { spread_editor_->CleanSpreadTitle(); }},
      {"ApplyInterfaceLanguage", [this] { ApplyInterfaceLanguage(this); }},
      {"SetUpDatabaseListView", [this] { SetUpDatabaseListView(); }},
  };
}

std::vector<Step> MainWindow::ShutdownSteps() {
  return {
      {"WriteSettings", [this] { WriteSettings(); }},
  };
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing is always allowed; a failing shutdown step is dropped silently.
  RunSteps(ShutdownSteps());
  event->accept();
}

void MainWindow::ShowTab(Page page, bool shown) {
  // The tab bar's keys and wheel step over disabled tabs only, so a hidden tab is disabled too.
  page_control_->setTabVisible(page, shown);
  page_control_->setTabEnabled(page, shown);
}

void MainWindow::CenterOnDesktop() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desktop = screen->availableGeometry();
    move(desktop.center() - QPoint(width() / 2, height() / 2));
  }
}

void MainWindow::BringToFront() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

}  // namespace sibylon
