// "Enter Cards": a reading laid with the user's own deck, entered with the keyboard alone, is the
// reading a deal of the same cards gives; the chooser offers what the deck options hold.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/MainWindow.h"
#include "srml/SectionReader.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/deck/EnterCardsDialog.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

void SelectSpread(MainWindow& window, const QString& name) {
  auto* list = Find<QListWidget>(window, "ListBox3");
  list->setCurrentItem(list->findItems(name, Qt::MatchExactly).first());
}

// The dialog, active with the card field in focus, as a user finds it.
EnterCardsDialog* OpenDialog(MainWindow& window) {
  Click(window, "ButtonEnterCards");
  auto* dialog = window.findChild<EnterCardsDialog*>();
  if (!dialog) return nullptr;
  auto* field = Find<QLineEdit>(*dialog, "EnterCardsCard");
  return QTest::qWaitFor([field] { return field->hasFocus(); }) ? dialog : nullptr;
}

// Types a card as a user does: its number, the reversed key where it lies reversed, Enter.
void EnterCard(EnterCardsDialog* dialog, const std::string& card, const std::string& orientation) {
  auto* field = Find<QLineEdit>(*dialog, "EnterCardsCard");
  QTest::keyClicks(field, QString::fromStdString(card));
  if (orientation == "reversed") QTest::keyClick(field, Qt::Key_R, Qt::AltModifier);
  QTest::keyClick(field, Qt::Key_Return);
}

std::vector<int> Range(int first, int last) {
  std::vector<int> cards;
  for (int card = first; card <= last; ++card) cards.push_back(card);
  return cards;
}

}  // namespace

class EnterCardsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  // Thirty positions typed in: the stored reading, its page and its file name are those of the
  // deal, byte for byte, blank and reversed cards among them; the shuffle waiting to be dealt
  // stays as it was.
  void EnteredCardsGiveTheReadingTheirDealGives() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Find<QLineEdit>(window, "LabeledEdit1")->setText("Anna");
    Find<QCheckBox>(window, "CheckBoxReversedCards")->setChecked(true);
    Find<QCheckBox>(window, "CheckBox1")->setChecked(true);
    Find<QLineEdit>(window, "EditBlankCard")->setText("40");
    SelectSpread(window, "Full Table");

    // The date is part of the reading and of its name: a minute that turns in between is tried
    // again.
    for (int attempt = 0;; ++attempt) {
      QVERIFY(attempt < 3);
      Click(window, "Button2");
      const Lines dealt = window.HeldReading();
      const QByteArray page = app.Read("xfiles/newSpread-0001.html");
      const QString name = Find<QLineEdit>(window, "Edit2")->text();
      const Lines fortune = SectionReader(dealt, "FORTUNE");
      const Lines mirrors = SectionReader(dealt, "MIRRORS");
      for (const char* orientation : {"blank", "reversed", "normal"}) {
        QVERIFY2(std::count(mirrors.begin(), mirrors.end(), orientation) > 0, orientation);
      }
      Find<QTabWidget>(window, "PageControl1")->setCurrentIndex(MainWindow::kNewSpread);
      Click(window, "ButtonShuffle");
      const auto shuffled = window.FortuneList();
      app.Remove("xfiles/newSpread-0001.html");

      EnterCardsDialog* dialog = OpenDialog(window);
      QVERIFY(dialog);
      for (std::size_t i = 0; i < fortune.size(); ++i) {
        QCOMPARE(dialog->CurrentPosition(), int(i));
        EnterCard(dialog, fortune[i], mirrors[i]);
      }
      // Every position holds a card: Enter is OK.
      QVERIFY(Find<QPushButton>(*dialog, "EnterCardsOk")->hasFocus());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QTRY_VERIFY(window.findChild<EnterCardsDialog*>() == nullptr);

      QCOMPARE(Find<QTabWidget>(window, "PageControl1")->currentIndex(), int(MainWindow::kReading));
      if (SectionReader(window.HeldReading(), "DATETIME") != SectionReader(dealt, "DATETIME")) {
        continue;
      }
      QCOMPARE(window.HeldReading(), dealt);
      QCOMPARE(app.Read("xfiles/newSpread-0001.html"), page);
      QCOMPARE(Find<QLineEdit>(window, "Edit2")->text(), name);
      QCOMPARE(window.FortuneList(), shuffled);
      QCOMPARE(Find<QPushButton>(window, "ButtonShuffle")->text(), QStringLiteral("Shuffle [1]"));
      QVERIFY(Find<QPushButton>(window, "ButtonDeal")->isEnabled());
      break;
    }
  }

  // The deck part, blank and reversed cards of the options; a card laid is not offered again
  // unless cards repeat, a position's own card is; OK waits for every position.
  void TheChooserOffersWhatTheDeckHolds() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    SelectSpread(window, "Three Cards");
    Find<QRadioButton>(window, "RadioButton1")->setChecked(true);
    EnterCardsDialog* dialog = OpenDialog(window);
    QVERIFY(dialog);
    QCOMPARE(dialog->FoundCards(), Range(1, 22));
    QVERIFY(!Find<QCheckBox>(*dialog, "EnterCardsReversed")->isVisible());
    dialog->reject();
    QTRY_VERIFY(window.findChild<EnterCardsDialog*>() == nullptr);

    Find<QRadioButton>(window, "RadioButton2")->setChecked(true);
    Find<QCheckBox>(window, "CheckBoxReversedCards")->setChecked(true);
    Find<QCheckBox>(window, "CheckBox1")->setChecked(true);  // one blank card
    dialog = OpenDialog(window);
    std::vector<int> blank_and_minor = Range(22, 78);
    blank_and_minor[0] = 0;
    QCOMPARE(dialog->FoundCards(), blank_and_minor);
    QVERIFY(Find<QCheckBox>(*dialog, "EnterCardsReversed")->isVisible());
    auto* ok = Find<QPushButton>(*dialog, "EnterCardsOk");
    EnterCard(dialog, "0", "blank");
    EnterCard(dialog, "30", "normal");
    QCOMPARE(dialog->CurrentPosition(), 2);
    QCOMPARE(dialog->FoundCards().front(), 23);  // the one blank card lies at position 1
    std::vector<int> found = dialog->FoundCards();
    QCOMPARE(std::count(found.begin(), found.end(), 30), 0);
    QVERIFY(!ok->isEnabled());
    auto* field = Find<QLineEdit>(*dialog, "EnterCardsCard");
    QTest::keyClick(field, Qt::Key_PageUp);  // back to position 2: its own card is offered
    QCOMPARE(dialog->CurrentPosition(), 1);
    found = dialog->FoundCards();
    QCOMPARE(std::count(found.begin(), found.end(), 30), 1);
    QTest::keyClick(field, Qt::Key_PageDown);
    EnterCard(dialog, "31", "reversed");
    QVERIFY(ok->isEnabled());
    QCOMPARE(dialog->Laid()[2].card, 31);
    QVERIFY(dialog->Laid()[2].reversed);
    dialog->reject();
    QTRY_VERIFY(window.findChild<EnterCardsDialog*>() == nullptr);

    Find<QCheckBox>(window, "CheckBox5")->setChecked(true);  // cards repeat
    dialog = OpenDialog(window);
    EnterCard(dialog, "0", "blank");
    EnterCard(dialog, "30", "normal");
    QCOMPARE(dialog->FoundCards(), blank_and_minor);
    dialog->reject();
  }

  // A card is found by part of its title, its number, its suit, or its rank and suit.
  void CardsAreFoundByTitleNumberOrSuit() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    EnterCardsDialog* dialog = OpenDialog(window);
    QVERIFY(dialog);
    auto* field = Find<QLineEdit>(*dialog, "EnterCardsCard");
    const struct {
      const char* typed;
      std::vector<int> found;
    } cases[] = {
        {"hanged", {12}},
        {"HANGED man", {12}},
        {"12", {12, 34, 48, 62, 76}},  // the card numbered 12 first, then the rank 12 of each suit
        {"2 cups", {38}},
        {"two cups", {38}},
        {"cups", Range(37, 50)},
        {"major", Range(1, 22)},
        {"no such card", {}},
    };
    for (const auto& c : cases) {
      field->setText(QString::fromLatin1(c.typed));
      QCOMPARE(dialog->FoundCards(), c.found);
    }
    // Down and Enter lay the second card found.
    field->setText("cups");
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(dialog->Laid()[0].card, 38);
    dialog->reject();
  }

  void ABadBlankCountOpensNoDialog() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Find<QCheckBox>(window, "CheckBox1")->setChecked(true);
    Find<QLineEdit>(window, "EditBlankCard")->setText("abc");
    Click(window, "ButtonEnterCards");
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList("'abc' is not a valid integer value."));
    QVERIFY(window.findChild<EnterCardsDialog*>() == nullptr);
  }
};

QTEST_MAIN(EnterCardsTest)
#include "EnterCardsTest.moc"
