// The New Spread page and the deal, driven through the main window as a user would.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/MainWindow.h"
#include "srml/SectionReader.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

void SelectSpread(MainWindow& window, const QString& name) {
  auto* list = Find<QListWidget>(window, "ListBox3");
  const auto items = list->findItems(name, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable(name));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(items.first()).center());
}

}  // namespace

class DealTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  void SelectingASpreadPreviewsItAndAdaptsTheDeckChoice() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* list = Find<QListWidget>(window, "ListBox3");
    QStringList names;
    for (int row = 0; row < list->count(); ++row) names << list->item(row)->text();
    QCOMPARE(names, QStringList({"Full Table", "One Card", "Three Cards"}));

    Find<QRadioButton>(window, "RadioButton1")->setChecked(true);
    SelectSpread(window, "Full Table");
    QVERIFY(!Find<QRadioButton>(window, "RadioButton1")->isEnabled());
    QVERIFY(!Find<QRadioButton>(window, "RadioButton1")->isChecked());
    QVERIFY(Find<QRadioButton>(window, "RadioButton3")->isChecked());
    QVERIFY(Find<QPushButton>(window, "Button2")->isEnabled());

    SelectSpread(window, "Three Cards");
    QVERIFY(Find<QRadioButton>(window, "RadioButton1")->isEnabled());
    QVERIFY(!Find<QRadioButton>(window, "RadioButton1")->isChecked());
    const QByteArray preview = app.Read("xfiles/tmp0.srml");
    QVERIFY(preview.startsWith("<!DOCTYPE html PUBLIC"));
    QVERIFY(preview.contains("<title>Three Cards</title>\r\n"));
    QVERIFY(
        preview.contains("font-weight:bold\">Three Cards</span><br /><br />\r\n"
                         "Past, present and future.<br />\r\n"
                         "Read from left to right.<br />\r\n</body></html>\r\n"));
  }

  void ShufflesAreCountedUntilTheDeal() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    auto* shuffle = Find<QPushButton>(window, "ButtonShuffle");
    auto* deal = Find<QPushButton>(window, "ButtonDeal");
    QVERIFY(!deal->isEnabled());
    for (int k = 1; k <= 3; ++k) {
      Click(window, "ButtonShuffle");
      QCOMPARE(shuffle->text(), QStringLiteral("Shuffle [%1]").arg(k));
      QVERIFY(deal->isEnabled());
    }
    QCOMPARE(window.FortuneList().size(), std::size_t{78});
    Click(window, "ButtonDeal");
    QCOMPARE(shuffle->text(), QStringLiteral("Shuffle"));
    QVERIFY(!deal->isEnabled());
    QCOMPARE(window.ShuffleCounter(), 1);
  }

  void ShuffleAndDealEndsOnTheReadingPage() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QTest::keyClicks(Find<QLineEdit>(window, "LabeledEdit1"), "  Anna ");
    Find<QPlainTextEdit>(window, "Memo3")->setPlainText("Where to?\nAnd when?");
    Click(window, "Button2");

    auto* pages = Find<QTabWidget>(window, "PageControl1");
    QVERIFY(pages->isTabVisible(MainWindow::kReading));
    QCOMPARE(pages->currentIndex(), int(MainWindow::kReading));
    const Lines& reading = window.HeldReading();
    QCOMPARE(SectionReader(reading, "SPREAD"), Lines{"Three Cards"});
    QCOMPARE(SectionReader(reading, "PERSON"), Lines{"Anna"});
    QCOMPARE(SectionReader(reading, "QUESTION"), (Lines{"Where to?<br />", "And when?<br />"}));
    const Lines fortune = SectionReader(reading, "FORTUNE");
    QCOMPARE(fortune, Lines(window.FortuneList().begin(), window.FortuneList().begin() + 3));
    QCOMPARE(window.DeckFolder(), app.App().Root() + "cards/TestDeck/");

    const QByteArray page = app.Read("xfiles/newSpread-0001.html");
    QVERIFY(page.contains("<span class=\"style5\">Three Cards</span><br />"));
    QVERIFY(page.contains("full: card " + QByteArray::fromStdString(fortune[0])));
    // The name goes into the file name as typed; the stored PERSON line is trimmed.
    QVERIFY(Find<QLineEdit>(window, "Edit2")->text().startsWith("  Anna , Three Cards, "));
    QVERIFY(Find<QPushButton>(window, "Button4")->isEnabled());
  }

  // A line break ends a line: the empty rest after a final break is no line of the question.
  void QuestionLinesAreTheTypedLines_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("one line") << "abc" << QStringList{"abc<br />"};
    QTest::newRow("final break") << "abc\n" << QStringList{"abc<br />"};
    QTest::newRow("only a break") << "\n" << QStringList{"<br />"};
    QTest::newRow("empty line inside") << "a\n\nb" << QStringList{"a<br />", "<br />", "b<br />"};
    QTest::newRow("two final breaks") << "a\n\n" << QStringList{"a<br />", "<br />"};
  }
  void QuestionLinesAreTheTypedLines() {
    QFETCH(QString, typed);
    QFETCH(QStringList, stored);
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Find<QPlainTextEdit>(window, "Memo3")->setPlainText(typed);
    Click(window, "Button2");
    QStringList question;
    for (const std::string& line : SectionReader(window.HeldReading(), "QUESTION")) {
      question << QString::fromStdString(line);
    }
    QCOMPARE(question, stored);
  }

  // The keyboard alone: Tab walks the page in the order of a reading, Enter presses a button.
  void TheKeyboardAloneDealsAReading() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Click(window, "ButtonShuffle");  // the deal button takes the focus only once it can deal
    Find<QLineEdit>(window, "LabeledEdit1")->setFocus();
    QStringList order;
    for (int step = 0; step < 6; ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"CheckBox2", "Memo3", "ListBox3", "ButtonShuffle", "ButtonDeal",
                                 "Button2"}));
    auto* deal = Find<QPushButton>(window, "ButtonDeal");
    deal->setFocus();
    QTest::keyClick(deal, Qt::Key_Return);
    auto* pages = Find<QTabWidget>(window, "PageControl1");
    QCOMPARE(pages->currentIndex(), int(MainWindow::kReading));
    QVERIFY(!window.HeldReading().empty());

    pages->setCurrentIndex(MainWindow::kNewSpread);
    auto* shuffle = Find<QPushButton>(window, "ButtonShuffle");
    shuffle->setFocus();
    QTest::keyClick(shuffle, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(shuffle->text(), QStringLiteral("Shuffle [1]"));
  }

  void ABadBlankCountStopsTheShuffleAndTheDeal() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Click(window, "Button2");
    const Lines first = window.HeldReading();
    Find<QCheckBox>(window, "CheckBox1")->setChecked(true);
    Find<QLineEdit>(window, "EditBlankCard")->setText("abc");
    Click(window, "Button2");
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList("'abc' is not a valid integer value."));
    QVERIFY(window.FortuneList().empty());
    QVERIFY(!Find<QPushButton>(window, "ButtonDeal")->isEnabled());
    QCOMPARE(window.HeldReading(), first);

    Find<QLineEdit>(window, "EditBlankCard")->setText("1000");
    Click(window, "ButtonShuffle");
    QCOMPARE(MessageBox::TakeShownErrors().size(), 1);
    QVERIFY(window.FortuneList().empty());
  }

  // A deal that fails while composing keeps the reading that was there.
  void AFailedDealKeepsThePreviousReading() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Click(window, "Button2");
    const Lines first = window.HeldReading();
    QVERIFY(!first.empty());
    const QByteArray page = app.Read("xfiles/newSpread-0001.html");
    auto* name = Find<QLineEdit>(window, "Edit2");
    name->setText("First");

    QByteArray spread = app.Read("spreads/Three Cards.srml");
    spread.replace("[CARDS]\r\n3\r\n", "[CARDS]\r\nthree\r\n");
    app.Write("spreads/Three Cards.srml", spread);
    Click(window, "Button2");
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList("'three' is not a valid integer value."));
    QCOMPARE(window.HeldReading(), first);
    QCOMPARE(app.Read("xfiles/newSpread-0001.html"), page);
    QCOMPARE(name->text(), QStringLiteral("First"));

    app.Remove("spreads/Three Cards.srml");
    Click(window, "Button2");
    QCOMPARE(MessageBox::TakeShownErrors(),
             QStringList(QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                             .arg(app.Path("spreads/Three Cards.srml"))));
    QCOMPARE(window.HeldReading(), first);
  }

  void TitlesAreSavedAsCustomAndSwitchedOnlyOnChange() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QCOMPARE(window.Titles()[23], std::string("Ace of Wands"));
    QCOMPARE(Find<QListWidget>(window, "ListBox4")->count(), 78);

    auto* custom = Find<QRadioButton>(window, "RadioCustomCardNames");
    custom->click();  // no custom set saved yet
    QCOMPARE(MessageBox::TakeShownErrors(),
             QStringList(QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                             .arg(app.Path("titles/custom.txt"))));
    QVERIFY(custom->isChecked());

    Click(window, "Button3");
    QByteArray expected = app.Read("titles/default.txt");
    expected.chop(QByteArray("an extra line beyond the 42\r\n").size());
    QCOMPARE(app.Read("titles/custom.txt"), expected);

    Find<QComboBox>(window, "t13")->setEditText("Transformation");
    Find<QRadioButton>(window, "RadioDefaultCardNames")->click();
    QCOMPARE(Find<QComboBox>(window, "t13")->currentText(), QStringLiteral("Death"));
  }
};

QTEST_MAIN(DealTest)
#include "DealTest.moc"
