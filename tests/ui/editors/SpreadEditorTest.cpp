// The spread editor page, driven as a user would.

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/editors/SpreadEditorPage.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

struct Editor {
  explicit Editor(const test::TestAppFolder& app) : page(app.App()) {
    page.WritePositionGridHeadings();
    page.ReadSpreadFiles();
    page.DrawCardTable();
    page.CleanSpreadTitle();
    page.show();
  }
  void Click(const char* button) {
    QTest::mouseClick(Find<QPushButton>(page, button), Qt::LeftButton);
  }
  SpreadEditorPage page;
};

}  // namespace

class SpreadEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() {
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    MessageBox::TakeAskedQuestions();
  }

  void AReleasedCardSnapsTopFirstThenLeft() {
    test::TestAppFolder app("basic");
    Editor editor(app);
    CardPanel* card = editor.page.Card(1);
    QTest::mousePress(card, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(48, 67), card->mapToGlobal(QPointF(48, 67)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(card, &drag);
    QCOMPARE(card->pos(), QPoint(43, 62));
    QTest::mouseRelease(card, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(card->pos(), QPoint(45, 60));
    QCOMPARE(editor.page.LastSnap(), std::make_pair(45LL, 60LL));
  }

  void OnlyCountsFromOneToThirtyAreApplied() {
    test::TestAppFolder app("basic");
    Editor editor(app);
    auto* typed = Find<QLineEdit>(editor.page, "LEAddCards");
    typed->setText("4");
    editor.Click("BAddCards");
    QVERIFY(editor.page.Card(4)->isVisible());
    QVERIFY(!editor.page.Card(5)->isVisible());
    QCOMPARE(Find<QSlider>(editor.page, "TrackBar1")->value(), 4);
    for (const char* bad : {"05", " 5", "0", "31", "ab", "-1"}) {
      typed->setText(bad);
      editor.Click("BAddCards");
      QCOMPARE(typed->text(), QStringLiteral("4"));
      QVERIFY(!editor.page.Card(5)->isVisible());
    }
    Find<QSlider>(editor.page, "TrackBar1")->setValue(7);
    QVERIFY(editor.page.Card(7)->isVisible());
    QVERIFY(!editor.page.Card(8)->isVisible());
    QCOMPARE(typed->text(), QStringLiteral("7"));
  }

  void SavesLoadsAndAsksBeforeReplacing() {
    test::TestAppFolder app("basic");
    Editor editor(app);
    QSignalSpy refreshed(&editor.page, &SpreadEditorPage::SpreadsChanged);
    auto* title = Find<QLineEdit>(editor.page, "LESpreadTitle");
    QTest::keyClicks(title, "My: Spread?");
    QCOMPARE(title->text(), QStringLiteral("My Spread"));
    Find<QPlainTextEdit>(editor.page, "MemoSpreadDescription")->setPlainText("First line\n\nthird");
    Find<QSlider>(editor.page, "TrackBar1")->setValue(3);
    Find<QTableWidget>(editor.page, "sg")->item(0, 1)->setText("Root");
    Find<QTableWidget>(editor.page, "sg")->item(5, 1)->setText("kept on screen, not saved");
    editor.Click("BSaveCSpread");
    const QByteArray saved = app.Read("spreads/My Spread.srml");
    QVERIFY(saved.contains(
        "[CARDS]\r\n3\r\n[/CARDS]\r\n[DESCRIPTION]\r\nFirst line<br />\r\n<br />\r\n"
        "third<br />\r\n[/DESCRIPTION]\r\n[MEANINGS]\r\nRoot\r\n\r\n\r\n[/MEANINGS]\r\n"
        "[POSITIONS]\r\n5,5\r\n45,5\r\n85,5\r\n[/POSITIONS]\r\n"));
    QCOMPARE(refreshed.count(), 1);

    title->setText("My Spread");
    Find<QTableWidget>(editor.page, "sg")->item(0, 1)->setText("Changed");
    MessageBox::SetNextAnswer(QMessageBox::No);
    editor.Click("BSaveCSpread");
    QCOMPARE(MessageBox::TakeAskedQuestions().size(), 1);
    QCOMPARE(app.Read("spreads/My Spread.srml"), saved);
    QCOMPARE(refreshed.count(), 2);  // the New Spread list is read again all the same

    editor.Click("BNewCSpread");
    QCOMPARE(title->text(), QString());
    QVERIFY(!editor.page.Card(2)->isVisible());
    auto* files = Find<QListWidget>(editor.page, "FLBSpreads");
    files->setCurrentItem(files->findItems("My Spread.srml", Qt::MatchExactly).first());
    editor.Click("BLoadCSpread");
    QCOMPARE(title->text(), QStringLiteral("My Spread"));
    QCOMPARE(Find<QPlainTextEdit>(editor.page, "MemoSpreadDescription")->toPlainText(),
             QStringLiteral("First line\n\nthird"));
    QCOMPARE(Find<QTableWidget>(editor.page, "sg")->item(0, 1)->text(), QStringLiteral("Root"));
    QVERIFY(editor.page.Card(3)->isVisible());
    QVERIFY(!editor.page.Card(4)->isVisible());
    QCOMPARE(editor.page.Card(2)->pos(), QPoint(45, 5));
  }

  // Places far off the table come back from a save as they were loaded, to the ends of the int
  // range.
  void PlacesOffTheTableAreSavedAsLoaded() {
    test::TestAppFolder app("basic");
    QByteArray spread = app.Read("spreads/Three Cards.srml");
    spread.replace("5,5\r\n45,5\r\n85,5\r\n",
                   "2147483647,-2147483648\r\n-2147483648,2147483647\r\n85,999999999\r\n");
    app.Write("spreads/Three Cards.srml", spread);
    Editor editor(app);
    auto* files = Find<QListWidget>(editor.page, "FLBSpreads");
    files->setCurrentItem(files->findItems("Three Cards.srml", Qt::MatchExactly).first());
    editor.Click("BLoadCSpread");
    Find<QLineEdit>(editor.page, "LESpreadTitle")->setText("Far Away");
    editor.Click("BSaveCSpread");
    QVERIFY(app.Read("spreads/Far Away.srml")
                .contains("[POSITIONS]\r\n2147483647,-2147483648\r\n-2147483648,2147483647\r\n"
                          "85,999999999\r\n[/POSITIONS]\r\n"));
  }

  void ALoadStopsAtAPositionThatIsNotANumber() {
    test::TestAppFolder app("basic");
    QByteArray spread = app.Read("spreads/Three Cards.srml");
    spread.replace("45,5\r\n", "1,2,3\r\n");
    app.Write("spreads/Three Cards.srml", spread);
    Editor editor(app);
    auto* files = Find<QListWidget>(editor.page, "FLBSpreads");
    files->setCurrentItem(files->findItems("Three Cards.srml", Qt::MatchExactly).first());
    editor.Click("BLoadCSpread");
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList("'1,2' is not a valid integer value."));
    QCOMPARE(Find<QLineEdit>(editor.page, "LESpreadTitle")->text(), QStringLiteral("Three Cards"));
    QCOMPARE(editor.page.Card(2)->y(), 3);  // the top was applied before the left failed
  }

  void DeletingSelectsTheEntryThatFollowed() {
    test::TestAppFolder app("basic");
    Editor editor(app);
    auto* files = Find<QListWidget>(editor.page, "FLBSpreads");
    files->setCurrentRow(0);
    editor.Click("BDeleteCSpread");
    QVERIFY(!QFile::exists(app.Path("spreads/Full Table.srml")));
    QCOMPARE(files->currentItem()->text(), QStringLiteral("One Card.srml"));
    QVERIFY(Find<QPushButton>(editor.page, "BLoadCSpread")->isEnabled());
    files->setCurrentRow(1);
    editor.Click("BDeleteCSpread");
    QVERIFY(files->selectedItems().isEmpty());
    QVERIFY(!Find<QPushButton>(editor.page, "BDeleteCSpread")->isEnabled());
  }
};

QTEST_MAIN(SpreadEditorTest)
#include "SpreadEditorTest.moc"
