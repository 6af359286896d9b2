// The main window on a desktop with a window manager (run through OnDesktop.sh).

#include <QPushButton>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  // Full screen and back: the window returns to exactly where it stood, with its frame.
  void FullScreenReturnsToItsPlace() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.move(137, 91);
    QTRY_COMPARE(window.pos(), QPoint(137, 91));
    const QRect before = window.frameGeometry();
    QVERIFY(before.height() > window.height());  // the window manager's frame is there

    Click(window, "Button2");
    Click(window, "ButtonFSV");
    QTRY_VERIFY(window.isFullScreen());
    QTRY_COMPARE(window.geometry(), window.screen()->geometry());
    QTest::qWait(500);  // a user looks at the page before going back
    Click(window, "ButtonNSV");
    QTRY_COMPARE(window.frameGeometry(), before);
    QVERIFY(!window.isFullScreen());
    QCOMPARE(window.size(), QSize(789, 558));
  }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
