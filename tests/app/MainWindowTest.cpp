#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;

// Stands in for the desktop's handler of local files.
class FileOpener : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }

  // Ctrl+Tab, Ctrl+Shift+Tab and the wheel over the tab bar step through the shown pages only.
  void NoKeyOrWheelReachesAHiddenPage() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    QList<int> forward, backward, wheeled;
    for (int step = 0; step < 9; ++step) {
      QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
      forward << pages->currentIndex();
    }
    for (int step = 0; step < 9; ++step) {
      QTest::keyClick(pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
      backward << pages->currentIndex();
    }
    pages->setCurrentIndex(0);
    QTabBar* bar = pages->tabBar();
    for (int step = 0; step < 8; ++step) {
      const QPointF at = bar->tabRect(pages->currentIndex()).center();
      QWheelEvent wheel(at, bar->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(bar, &wheel);
      wheeled << pages->currentIndex();
    }
    QCOMPARE(forward, (QList<int>{2, 3, 5, 6, 7, 8, 0, 2, 3}));
    QCOMPARE(backward, (QList<int>{2, 0, 8, 7, 6, 5, 3, 2, 0}));
    QCOMPARE(wheeled, (QList<int>{2, 3, 5, 6, 7, 8, 8, 8}));

    // Once a reading exists its page is one of them.
    QTest::mouseClick(window.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 1);
    QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages->currentIndex(), 2);
    QTest::keyClick(pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pages->currentIndex(), 1);
  }

  void StartsOnTheNewSpreadPageWithSysAndReadingHidden() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    QCOMPARE(window.windowTitle(), QStringLiteral("SIBYLON"));
    QCOMPARE(window.size(), QSize(789, 558));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));

    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    QVERIFY(pages);
    // The journal's page follows the Database page.
    const QStringList names = {"TabSheet2",       "TabSheet3",  "TabSheet4",
                               "TabSheetJournal", "TabSheet6",  "TabSheet9",
                               "TabSheet1",       "TabSheet10", "TabSheet5"};
    const QStringList captions = {"New Spread", "Reading",     "Database", "Journal",      "SYS",
                                  "Card Decks", "Preferences", "Editors",  "About Program"};
    QCOMPARE(pages->count(), 9);
    for (int i = 0; i < pages->count(); ++i) {
      QCOMPARE(pages->widget(i)->objectName(), names[i]);
      QCOMPARE(pages->tabText(i), captions[i]);
      QVERIFY(!pages->tabIcon(i).isNull());
      QCOMPARE(pages->isTabVisible(i), i != MainWindow::kReading && i != MainWindow::kSys);
    }
    QCOMPARE(pages->currentIndex(), 0);

    auto* editors = window.findChild<QTabWidget*>("PageControl2");
    QCOMPARE(editors->count(), 3);
    QCOMPARE(editors->tabText(0), QStringLiteral("Card Titles Editor"));
    QCOMPARE(editors->tabText(1), QStringLiteral("Card Descriptions Editor"));
    QCOMPARE(editors->tabText(2), QStringLiteral("Card Spreads Editor"));
    QCOMPARE(editors->widget(2)->objectName(), QStringLiteral("TabSheet11"));

    auto* status = window.findChild<QLabel*>("StatusPanel");
    QVERIFY(status->text().endsWith(", Assembly Version 8.10.26"));
    QCOMPARE(status->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    QCOMPARE(window.findChild<QLabel*>("LabelAssemblyVersion")->text(),
             QStringLiteral("Assembly Version 8.10.26"));
    auto* components = window.findChild<QListWidget*>("ListBox7");
    QStringList items;
    for (int i = 0; i < components->count(); ++i) items << components->item(i)->text();
    QCOMPARE(items, QStringList({"Program 8.10.26", "Library 8.7.26",
                                 "Card Descriptions Editor 8.8.17", "Card Titles Editor 8.7.20",
                                 "Card Spreads Editor 8.8.20", "Database 8.8.18", "SRML 1.0"}));
    QCOMPARE(window.findChild<QLabel*>("Label64")->text(), QStringLiteral("Language: english"));
  }

  void StartUpHasItsTwentyEightStepsInOrder() {
    test::TestAppFolder app;
    MainWindow window(app.App());
    const auto steps = window.StartupSteps();
    QCOMPARE(steps.size(), std::size_t{28});
    QCOMPARE(QString::fromStdString(steps[7].name), QStringLiteral("RefreshSpreadList"));
    QCOMPARE(QString::fromStdString(steps[16].name), QStringLiteral("ReadSettings"));
    QCOMPARE(QString::fromStdString(steps[26].name), QStringLiteral("ApplyInterfaceLanguage"));
  }

  void EachAboutClickOpensANewModalAboutBox() {
    test::TestAppFolder app;
    MainWindow window(app.App());
    window.show();
    auto* about = window.findChild<QPushButton*>("ButtonAbout");
    for (int click = 0; click < 2; ++click) {
      QPointer<QWidget> box;
      bool opened = false, close_shown = false, loading_shown = true, main_window_blocked = false;
      QString version;
      QTimer::singleShot(0, [&] {
        box = QApplication::activeModalWidget();
        if (!box) return;
        opened = box->objectName() == QLatin1String("TForm2");
        auto* close = box->findChild<QPushButton*>("Button1");
        close_shown = close && close->isVisible() && close->text() == QLatin1String("CLOSE");
        loading_shown = box->findChild<QLabel*>("Label1")->isVisible();
        version = box->findChild<QLabel*>("LabelVersion")->text();
        main_window_blocked = QApplication::activeModalWidget() != &window;
        if (close) QTest::mouseClick(close, Qt::LeftButton);
      });
      QTest::mouseClick(about, Qt::LeftButton);
      // The box was modal (the click returned only after CLOSE) and is gone again, so the next
      // click has to make a new one.
      QVERIFY(opened);
      QVERIFY(box.isNull());
      QVERIFY(close_shown);
      QVERIFY(!loading_shown);
      QVERIFY(main_window_blocked);
      QCOMPARE(version, QStringLiteral("Assembly Version 8.10.26"));
      QVERIFY(!QApplication::activeModalWidget());
    }
  }

  void TheSplashShowsTheLoadingTextAndTheVersion() {
    SplashWindow splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QVERIFY(splash.findChild<QLabel*>("Label1")->isVisible());
    QCOMPARE(splash.findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Loading .... Please wait"));
    QVERIFY(!splash.findChild<QPushButton*>("Button1")->isVisible());
    QCOMPARE(splash.findChild<QLabel*>("LabelVersion")->text(),
             QStringLiteral("Assembly Version 8.10.26"));
    QVERIFY(!splash.findChild<QLabel*>("Image1")->pixmap().isNull());  // the JPEG decoded
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
  }

  // Tab reaches the guide link and Enter opens it; a desktop without a program for it says so.
  void TheGuideLinkWorksFromTheKeyboard() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    MessageBox::TakeShownErrors();  // the start-up errors of earlier cases' bare folders
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(MainWindow::kAbout);
    auto* link = window.findChild<QLabel*>("Label53");
    window.findChild<QWidget*>("ListBox7")->setFocus();
    for (int step = 0; step < 10 && !link->hasFocus(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(link->hasFocus());

    FileOpener desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "Open");
    QTest::keyClick(link, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler("file");
    const QString guide = QString::fromStdString(app.App().Path("guide/user-guide.html"));
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(guide)});
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());

    const QByteArray path = qgetenv("PATH");
    QTemporaryDir nothing;
    qputenv("PATH", nothing.path().toLocal8Bit());
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    QTest::keyClick(link, Qt::Key_Enter);
    qputenv("PATH", path);
    QCOMPARE(MessageBox::TakeShownErrors(),
             QStringList(QStringLiteral("No program on this desktop opens \"%1\".").arg(guide)));
  }

  void TheLinkTurnsMaroonUnderThePointerAndGreenAgain() {
    test::TestAppFolder app;
    MainWindow window(app.App());
    auto* link = window.findChild<QLabel*>("Label53");
    QCOMPARE(link->toolTip(), QStringLiteral("Click to Visit WebSite"));
    QVERIFY(link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(link, &enter);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
