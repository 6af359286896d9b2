#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include "app/AboutPage.h"
#include "app/ImageList.h"
#include "app/MessageBox.h"
#include "app/ProductInfo.h"
#include "htmlview/HtmlView.h"

namespace sibylon {
namespace {

// Page indexes of PageControl1, in tab order.
enum Page { kNewSpread, kReading, kDatabase, kSys, kCardDecks, kPreferences, kEditors, kAbout };

QWidget* NamedPage(const char* name) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  return page;
}

QTabWidget* NamedTabs(const char* name, QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  tabs->setObjectName(QString::fromLatin1(name));
  tabs->setIconSize(QSize(16, 16));
  return tabs;
}

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

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

MainWindow::MainWindow(AppFolder app, QWidget* parent) : QMainWindow(parent), app_(std::move(app)) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(WindowFont());
  setFixedSize(789, 558);
  BuildPages();
  CenterOnDesktop();

  startup_failure_ = RunSteps(StartupSteps());
  if (startup_failure_) MessageBox::ShowError(this, startup_failure_->message);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPages() {
  page_control_ = NamedTabs("PageControl1", this);
  setCentralWidget(page_control_);

  page_control_->addTab(NamedPage("TabSheet2"), ImageListIcon(41), QStringLiteral("New Spread"));
  page_control_->addTab(NamedPage("TabSheet3"), ImageListIcon(8), QStringLiteral("Reading"));
  page_control_->addTab(NamedPage("TabSheet4"), ImageListIcon(26), QStringLiteral("Database"));

  QWidget* sys = NamedPage("TabSheet6");
  NamedButton("Button7", QStringLiteral("XA ->Shuffle"), sys)->move(8, 8);
  NamedButton("ButtonConvert", QStringLiteral("CONVERT"), sys)->move(8, 40);
  page_control_->addTab(sys, ImageListIcon(2), QStringLiteral("SYS"));

  page_control_->addTab(NamedPage("TabSheet9"), ImageListIcon(18), QStringLiteral("Card Decks"));

  QWidget* preferences = NamedPage("TabSheet1");
  QTabWidget* preference_pages = NamedTabs("PageControl3", preferences);
  preference_pages->setGeometry(4, 4, 777, 470);
  preference_pages->addTab(NamedPage("TabSheet12"), QStringLiteral("Cards Options"));
  preference_pages->addTab(NamedPage("TabSheet13"), QStringLiteral("Appearance"));
  preference_pages->addTab(NamedPage("TabSheet14"), QStringLiteral("Save Options"));
  preference_pages->addTab(NamedPage("TabSheet15"), QStringLiteral("Windows Settings"));
  preference_pages->setCurrentIndex(3);
  page_control_->addTab(preferences, ImageListIcon(25), QStringLiteral("Preferences"));

  QWidget* editors = NamedPage("TabSheet10");
  QTabWidget* editor_pages = NamedTabs("PageControl2", editors);
  editor_pages->setGeometry(0, 0, 785, 505);
  editor_pages->addTab(NamedPage("TabSheet7"), ImageListIcon(12),
                       QStringLiteral("Card Titles Editor"));
  editor_pages->addTab(NamedPage("TabSheet8"), ImageListIcon(12),
                       QStringLiteral("Card Descriptions Editor"));
  editor_pages->addTab(NamedPage("TabSheet11"), ImageListIcon(12),
                       QStringLiteral("Card Spreads Editor"));
  editor_pages->setCurrentIndex(2);
  page_control_->addTab(editors, ImageListIcon(45), QStringLiteral("Editors"));

  about_page_ = new AboutPage;
  page_control_->addTab(about_page_, ImageListIcon(0), QStringLiteral("About Program"));

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

std::vector<Step> MainWindow::StartupSteps() {
  auto nothing_yet = [] {};
  return {
      {"ShowFirstPage", [this] { page_control_->setCurrentIndex(kNewSpread); }},
      {"SetCaption", [this] { setWindowTitle(QString::fromLatin1(kWindowCaption)); }},
      {"SetStatusNotice", [this] { status_text_->setText(QString::fromLatin1(kStatusNotice)); }},
      {"FillVersionTexts", [this] { about_page_->FillVersionTexts(); }},
      {"EnableInlineImages", [] { HtmlView::EnableInlineImages(); }},
      {"HideSysTab", [this] { page_control_->setTabVisible(kSys, false); }},
      {"FillTitleAlternatives", nothing_yet},
      {"RefreshSpreadList", nothing_yet},
      {"UpdateDealButtons", nothing_yet},
      {"WritePositionGridHeadings", nothing_yet},
      {"DetermineAppFolder", [] {}},  // the window is built on its AppFolder (App())
      {"PointSpreadEditorList", nothing_yet},
      {"FillDescriptionSetList", nothing_yet},
      {"DrawCardTable", nothing_yet},
      {"PointDatabaseList", nothing_yet},
      {"FillDeckList", nothing_yet},
      {"ReadSettings", nothing_yet},
      {"ActionLSDExecute", nothing_yet},
      {"AdjustDeckChoice", nothing_yet},
      {"HideReadingTab", [this] { page_control_->setTabVisible(kReading, false); }},
      {"Action1Execute", nothing_yet},
      {"Action3CardDeckExecute", nothing_yet},
      {"Action2Execute", nothing_yet},
      {"UpdateRemoveAllLock", nothing_yet},
      {"StripListExtensions", nothing_yet},
      {"CleanSpreadTitle", nothing_yet},
      {"ApplyInterfaceLanguage", nothing_yet},  // the English interface is the design's own
      {"SetUpDatabaseListView", nothing_yet},
  };
}

std::vector<Step> MainWindow::ShutdownSteps() {
  return {
      {"WriteSettings", [] {}},
  };
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing is always allowed; a failing shutdown step is dropped silently.
  RunSteps(ShutdownSteps());
  event->accept();
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
