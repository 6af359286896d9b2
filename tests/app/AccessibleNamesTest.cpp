// What a screen reader reads: every control a user can reach with the keyboard has a name, the
// names tell alike controls apart, and they follow the captions of the built language.

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QWebEngineView>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/Pages.h"
#include "support/TestAppFolder.h"
#include "ui/reading/DeckImportDialog.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

bool Russian() { return QString::fromLatin1(InterfaceLanguage()) == QLatin1String("RU"); }

// The name the accessibility bus hands out. On Linux Qt reports a combo box's current text as
// its name and its label through a relation, so a combo box counts by the name it was given.
QString NameOf(QWidget* control) {
  if (qobject_cast<QComboBox*>(control)) return control->accessibleName();
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

QAccessible::Role RoleOf(QWidget* control) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  return accessible ? accessible->role() : QAccessible::NoRole;
}

// The web views' content has an accessibility tree of its own.
bool InsideWebView(QWidget* control) {
  for (QWidget* outer = control->parentWidget(); outer; outer = outer->parentWidget()) {
    if (qobject_cast<QWebEngineView*>(outer)) return true;
  }
  return false;
}

// The controls on screen that take the keyboard focus; one that hands its focus on to another
// (a tab widget to its tab bar) is read as that other.
QList<QWidget*> FocusableShownControls(QWidget* root) {
  QList<QWidget*> controls;
  for (QWidget* control : root->findChildren<QWidget*>()) {
    if (control->isVisible() && control->focusPolicy() != Qt::NoFocus &&
        control->focusProxy() == nullptr && !InsideWebView(control)) {
      controls << control;
    }
  }
  return controls;
}

QString Describe(QWidget* control) {
  return QStringLiteral("%1 (%2)").arg(control->objectName(),
                                       QString::fromLatin1(control->metaObject()->className()));
}

// The controls of a dialog that have no name or share their name with another of their role;
// each is also written to the test's log.
QStringList DialogFaults(QWidget* dialog) {
  QStringList faults;
  QMap<QPair<int, QString>, QWidget*> seen;
  for (QWidget* control : FocusableShownControls(dialog)) {
    const QPair<int, QString> key(RoleOf(control), NameOf(control));
    if (key.second.isEmpty()) faults << "no name: " + Describe(control);
    if (QWidget* first = seen.value(key); first && !key.second.isEmpty()) {
      faults << QStringLiteral("%1 and %2 are both \"%3\"")
                    .arg(Describe(first), Describe(control), key.second);
    }
    seen.insert(key, control);
  }
  for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
  return faults;
}

}  // namespace

class AccessibleNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  // Walks every page, the Reading page after a deal and the sub-pages of Preferences and
  // Editors included; the hidden SYS page is never shown and stays out.
  void EveryFocusableControlHasANameThatTellsItApart() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Click(window, "Button2");

    const QList<QWidget*> pages = test::ReachablePages(window);
    QVERIFY(pages.size() >= 12);
    QStringList unnamed;
    QStringList alike;
    for (QWidget* page : pages) {
      test::ShowPage(page);
      // The tab bars and the page's own controls.
      for (QWidget* control : FocusableShownControls(&window)) {
        if (NameOf(control).isEmpty()) {
          unnamed << test::PagePath(page) + ": " + Describe(control);
        }
      }
      QMap<QPair<int, QString>, QWidget*> seen;
      for (QWidget* control : FocusableShownControls(page)) {
        const QPair<int, QString> key(RoleOf(control), NameOf(control));
        if (key.second.isEmpty()) continue;
        if (QWidget* first = seen.value(key)) {
          alike << QStringLiteral("%1: %2 and %3 are both \"%4\"")
                       .arg(test::PagePath(page), Describe(first), Describe(control), key.second);
        }
        seen.insert(key, control);
      }
    }
    unnamed.removeDuplicates();
    for (const QString& fault : unnamed + alike) qWarning("%s", qPrintable(fault));
    QVERIFY2(unnamed.isEmpty(), "controls without a name (listed above)");
    QVERIFY2(alike.isEmpty(), "controls that cannot be told apart (listed above)");
  }

  // The dialog of "Enter Cards", with every control it can show.
  void TheEnterCardsDialogNamesItsControls() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QWidget*>("CheckBoxReversedCards")->setProperty("checked", true);
    Click(window, "ButtonEnterCards");
    auto* dialog = window.findChild<QWidget*>("EnterCardsDialog");
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(FocusableShownControls(dialog).size() >= 5);
    const QStringList faults = DialogFaults(dialog);
    QVERIFY2(faults.isEmpty(), "controls of the dialog (listed above)");
    QCOMPARE(NameOf(window.findChild<QWidget*>("EnterCardsCard")),
             Russian() ? QString::fromUtf8("Карта:") : QStringLiteral("Card:"));
  }

  // The import dialog of the Card Decks page: every control named and told apart, the fields by
  // their captions.
  void TheImportDialogNamesItsControls() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::ShowPage(Find<QWidget>(window, "TabSheet9"));
    Click(window, "ButtonImportDeck");
    auto* dialog = window.findChild<DeckImportDialog*>();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QStringList faults = DialogFaults(dialog);
    QVERIFY2(faults.isEmpty(), "the import dialog's controls (listed above)");

    const struct {
      const char* control;
      const char* english;
      const char* russian;
    } rows[] = {
        {"DeckImportFolder", "Deck folder", "Папка колоды"},
        {"DeckImportName", "Deck name", "Название колоды"},
        {"DeckImportTrumpOrder", "Trump order", "Порядок арканов"},
        {"DeckImportPreview", "Cards and their pictures", "Карты и их картинки"},
        {"DeckImportStart", "Import", "Импортировать"},
    };
    for (const auto& row : rows) {
      QWidget* control = Find<QWidget>(*dialog, row.control);
      QCOMPARE(NameOf(control), QString::fromUtf8(Russian() ? row.russian : row.english));
    }
    QCOMPARE(
        NameOf(Find<QWidget>(window, "LabelDeckInfo")),
        Russian() ? QString::fromUtf8("Сведения о колоде") : QStringLiteral("Deck information"));
    dialog->close();
  }

  // The controls that Qt alone names wrongly or not at all, in the built language.
  void NamesComeFromTheLabelOfTheirRow_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    auto row = [](const char* control, const char* english, const char* russian) {
      QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(english)
                             << QString::fromUtf8(russian);
    };
    row("EditBlankCard", "Use Additional Blank Cards:", "Добавить пустые карты:");
    row("CheckBoxLEBlank", "Blank Card Text: Enable", "Текст пустой карты: Включить");
    row("CheckBoxLENormal", "Normal Card Text: Enable", "Текст прямой карты: Включить");
    row("CheckBoxLEReversed", "Reversed Card Text: Enable", "Текст перевёрнутой карты: Включить");
    row("m1", "Minor Arcans Ace (1)", "Младшие Арканы Туз");
    row("m2", "Minor Arcans 2", "Младшие Арканы 2");
    row("m10", "Minor Arcans 10", "Младшие Арканы 10");
    row("t1", "Major Arcans (Trumps) 1", "Старшие Арканы (козыри) 1");
    row("EditWands", "Fire", "Огонь");
    row("m0", "Use special divider", "Добавить разделитель");
    row("Memo12", "NOTE:", "NOTE:");
    row("CBCodePage", "Codepage Settings", "Кодировка");
    row("CBDTF", "Date and Time Format Template:", "Шаблон даты и времени:");
    row("ListBox3", "Select a Spread", "Выберите расклад");
    row("FileListBox1", "Database", "База данных");
    row("FileListBox2", "View / Change Tarot Deck", "Просмотр / смена колоды Таро");
    row("LBCDE", "Card Descriptions Type:", "Тип описаний карт:");
    row("ListBox4", "Card Descriptions Editor", "Редактор значений карт");
    row("FLBSpreads", "Spreads List:", "Список раскладов:");
    row("ListBox7", "Components:", "Components:");
    row("sg", "Meaning of the card in the Spread", "Значение карты в раскладе");
    row("TrackBar1", "Set Number of Cards", "Число карт");
    row("LEAddCards", "Set Number of Cards", "Число карт");
    row("CppWebBrowser1", "Reading", "Расклад");
  }

  void NamesComeFromTheLabelOfTheirRow() {
    QFETCH(QString, control);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    QWidget* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(NameOf(widget), Russian() ? russian : english);
    // The text field of an editable combo box is reached on its own and must say the same.
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
      QCOMPARE(NameOf(combo->lineEdit()), NameOf(widget));
    }
  }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
