// The card descriptions editor through the main window.

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

class DescriptionsEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  void ShowsAndSavesTheTwoTextsOfACard() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    auto* cards = Find<QListWidget>(window, "ListBox4");
    QCOMPARE(cards->count(), 78);
    QCOMPARE(cards->item(0)->text(), QStringLiteral("The Magician"));
    QVERIFY(!Find<QPushButton>(window, "Button10")->isEnabled());

    cards->setCurrentRow(0);
    QTest::mouseClick(cards->viewport(), Qt::LeftButton, {},
                      cards->visualItemRect(cards->item(0)).center());
    auto* upright = Find<QPlainTextEdit>(window, "Memo6");
    auto* reversed = Find<QPlainTextEdit>(window, "Memo8");
    QCOMPARE(upright->toPlainText(), QStringLiteral("custom: card 1 normal."));
    QCOMPARE(reversed->toPlainText(), QStringLiteral("custom: card 1 reversed."));
    QVERIFY(!Find<QLabel>(window, "Image1")->pixmap().isNull());
    QVERIFY(Find<QPushButton>(window, "Button10")->isEnabled());

    const QByteArray before = app.Read("descriptions/Custom.srml");
    upright->setPlainText("First paragraph.\nSecond with <br /> inside.");
    reversed->clear();
    Click(window, "Button10");
    const QByteArray after = app.Read("descriptions/Custom.srml");
    QVERIFY(
        after.contains("[CARD ID=\"1\" TYPE=\"NORMAL\"]\r\nFirst paragraph.<br />\r\n"
                       "Second with <br /> inside.<br />\r\n[/CARD ID=\"1\" TYPE=\"NORMAL\"]\r\n"));
    QVERIFY(after.contains(
        "[CARD ID=\"1\" TYPE=\"REVERSED\"]\r\n[/CARD ID=\"1\" TYPE=\"REVERSED\"]\r\n"));
    // Everything else of the set is as it was.
    QByteArray rest_before = before, rest_after = after;
    rest_before.remove(0, before.indexOf("[/CARD ID=\"1\" TYPE=\"NORMAL\"]"));
    rest_after.remove(0, after.indexOf("[/CARD ID=\"1\" TYPE=\"NORMAL\"]"));
    rest_before.replace("custom: card 1 reversed.<br />\r\n", "");
    QCOMPARE(rest_after, rest_before);

    // Shown again, the typed break inside the line is gone.
    QTest::mouseClick(cards->viewport(), Qt::LeftButton, {},
                      cards->visualItemRect(cards->item(0)).center());
    QCOMPARE(upright->toPlainText(), QStringLiteral("First paragraph.\nSecond with  inside."));
  }

  void AMissingPictureStopsTheShowAfterTheTexts() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    auto* cards = Find<QListWidget>(window, "ListBox4");
    cards->setCurrentRow(4);
    QTest::mouseClick(cards->viewport(), Qt::LeftButton, {},
                      cards->visualItemRect(cards->item(4)).center());
    QCOMPARE(MessageBox::TakeShownErrors(),
             QStringList(QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                             .arg(app.Path("cards/TestDeck/normal/5.jpg"))));
    QCOMPARE(Find<QPlainTextEdit>(window, "Memo6")->toPlainText(),
             QStringLiteral("custom: card 5 normal."));
    QVERIFY(!Find<QPushButton>(window, "Button10")->isEnabled());
  }
};

QTEST_MAIN(DescriptionsEditorTest)
#include "DescriptionsEditorTest.moc"
