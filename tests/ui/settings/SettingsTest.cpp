// The settings file through the main window: start-up applies it, closing writes it.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

QString Selected(MainWindow& window, const char* list) {
  const auto items = Find<QListWidget>(window, list)->selectedItems();
  return items.isEmpty() ? QString() : items.first()->text();
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  void EveryControlComesBackAfterARestart() {
    test::TestAppFolder app("basic");
    app.Write("descriptions/Second.srml", "");
    app.Write("cards/Other Deck/normal/.keep", "");
    const QStringList checks = {"CheckBox1",  "CheckBox2",  "CheckBox5",  "CheckBoxReversedCards",
                                "CheckBox6",  "CheckBox7",  "CheckBox8",  "CheckBox9",
                                "CheckBox10", "CheckBox11", "CheckBox12", "CheckBox13"};
    const QStringList unchecks = {"CheckBox3", "CheckBox4", "CheckBoxLEBlank", "CheckBoxLENormal",
                                  "CheckBoxLEReversed"};
    const QString name = QStringLiteral(" Ann!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ ");
    {
      MainWindow window(app.App());
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
      QCOMPARE(Selected(window, "ListBox3"), QStringLiteral("Three Cards"));
      QCOMPARE(Selected(window, "LBCDE"), QStringLiteral("Full"));
      QCOMPARE(Selected(window, "FileListBox2"), QStringLiteral("TestDeck"));

      for (const QString& box : checks) Find<QCheckBox>(window, qPrintable(box))->setChecked(true);
      for (const QString& box : unchecks)
        Find<QCheckBox>(window, qPrintable(box))->setChecked(false);
      Find<QRadioButton>(window, "RadioButton2")->setChecked(true);
      Find<QLineEdit>(window, "LabeledEdit1")->setText(name);
      Find<QLineEdit>(window, "LabeledEdit3")->setText("#S #D");
      Find<QLineEdit>(window, "LabeledEditBlank")->setText("void");
      Find<QLineEdit>(window, "LabeledEditNormal")->setText("up");
      Find<QLineEdit>(window, "LabeledEditReversed")->setText("down");
      Find<QLineEdit>(window, "EditBlankCard")->setText("2x");
      Find<QComboBox>(window, "CBCodePage")->setCurrentIndex(4);
      Find<QComboBox>(window, "CBDTF")->setCurrentIndex(2);
      Find<QListWidget>(window, "ListBox3")->setCurrentRow(0);
      Find<QListWidget>(window, "LBCDE")->setCurrentRow(2);  // Custom, Full, Second
      Find<QListWidget>(window, "FileListBox2")->setCurrentRow(0);
      Find<QTabWidget>(window, "PageControl2")->setCurrentIndex(1);
      Find<QTabWidget>(window, "PageControl3")->setCurrentIndex(2);
      window.move(40, 30);
      MessageBox::TakeShownErrors();
      window.close();
    }
    MainWindow window(app.App());
    window.show();
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    for (const QString& box : checks)
      QVERIFY2(Find<QCheckBox>(window, qPrintable(box))->isChecked(), qPrintable(box));
    for (const QString& box : unchecks)
      QVERIFY2(!Find<QCheckBox>(window, qPrintable(box))->isChecked(), qPrintable(box));
    QVERIFY(Find<QRadioButton>(window, "RadioButton2")->isChecked());
    QCOMPARE(Find<QLineEdit>(window, "LabeledEdit1")->text(), name);
    QCOMPARE(Find<QLineEdit>(window, "LabeledEdit3")->text(), QStringLiteral("#S #D"));
    QCOMPARE(Find<QLineEdit>(window, "LabeledEditBlank")->text(), QStringLiteral("void"));
    QCOMPARE(Find<QLineEdit>(window, "LabeledEditNormal")->text(), QStringLiteral("up"));
    QCOMPARE(Find<QLineEdit>(window, "LabeledEditReversed")->text(), QStringLiteral("down"));
    QCOMPARE(Find<QLineEdit>(window, "EditBlankCard")->text(), QStringLiteral("2x"));
    QCOMPARE(Find<QComboBox>(window, "CBCodePage")->currentIndex(), 4);
    QCOMPARE(Find<QComboBox>(window, "CBDTF")->currentIndex(), 2);
    QCOMPARE(Selected(window, "ListBox3"), QStringLiteral("Full Table"));
    QCOMPARE(Selected(window, "LBCDE"), QStringLiteral("Second"));
    QCOMPARE(Selected(window, "FileListBox2"), QStringLiteral("Other Deck"));
    QCOMPARE(Find<QTabWidget>(window, "PageControl2")->currentIndex(), 1);
    QCOMPARE(Find<QTabWidget>(window, "PageControl3")->currentIndex(), 2);
    QCOMPARE(window.pos(), QPoint(40, 30));
    QCOMPARE(Find<QTabWidget>(window, "PageControl1")->currentIndex(), int(MainWindow::kNewSpread));
  }

  void BadSettingsFilesStopTheStartUpAtTheirLine() {
    struct Case {
      const char* what;
      int line;  // the line changed, or the number of lines kept when text is null
      const char* text;
      QString message;
    };
    const Case cases[] = {
        {"20 lines", 20, nullptr, "List index out of bounds (20)"},
        {"a spread index of letters", 8, "two", "'two' is not a valid integer value."},
        {"a code page of letters", 25, "utf", "'utf' is not a valid integer value."},
        {"a deck that is gone", 2, "Gone", "List index out of bounds (-1)"},
    };
    for (const Case& c : cases) {
      test::TestAppFolder app("basic");
      QList<QByteArray> lines = app.Read("xfiles/sibylon.dll").split('\n');
      lines.removeLast();
      if (c.text) {
        lines[c.line] = QByteArray(c.text) + "\r";
      } else {
        lines = lines.mid(0, c.line);
      }
      app.Write("xfiles/sibylon.dll", lines.join('\n') + "\n");
      const QByteArray before = app.Read("xfiles/sibylon.dll");
      {
        MainWindow window(app.App());
        QCOMPARE(MessageBox::TakeShownErrors(), QStringList(c.message));
        // Whichever step stopped the start-up, no reading exists, so its page stays out of reach.
        QVERIFY(!Find<QTabWidget>(window, "PageControl1")->isTabVisible(MainWindow::kReading));
        // Lines before the failing one stay applied.
        QCOMPARE(Selected(window, "LBCDE"), QStringLiteral("Full"));
        window.close();
      }
      if (c.line == 2) QCOMPARE(app.Read("xfiles/sibylon.dll"), before);  // no deck: not written
    }
  }

  void AMissingSettingsFileShowsItsPathAndWritesNothingWithoutADeck() {
    test::TestAppFolder app("basic");
    app.Remove("xfiles/sibylon.dll");
    {
      MainWindow window(app.App());
      QCOMPARE(MessageBox::TakeShownErrors(),
               QStringList(QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                               .arg(app.Path("xfiles/sibylon.dll"))));
      QVERIFY(!Find<QTabWidget>(window, "PageControl1")->isTabVisible(MainWindow::kReading));
      window.close();
    }
    QVERIFY(!QFile::exists(app.Path("xfiles/sibylon.dll")));
  }

  void SettingsThatCannotBeWrittenAtCloseAreDroppedSilently() {
    test::TestAppFolder app("basic");
    {
      MainWindow window(app.App());
      QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
      app.Remove("xfiles");
      window.close();
    }
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    QVERIFY(!QFile::exists(app.Path("xfiles/sibylon.dll")));
  }

  void AMissingDataFolderStopsTheStartUp() {
    test::TestAppFolder app;
    app.Remove("spreads");
    MainWindow window(app.App());
    QCOMPARE(MessageBox::TakeShownErrors(),
             QStringList(QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                             .arg(app.App().Path("spreads/").c_str())));
    QVERIFY(window.StartupFailure().has_value());
    QCOMPARE(window.StartupFailure()->name, std::string("RefreshSpreadList"));
    QVERIFY(!Find<QTabWidget>(window, "PageControl1")->isTabVisible(MainWindow::kReading));
    QVERIFY(!Find<QTabWidget>(window, "PageControl1")->isTabVisible(MainWindow::kSys));
  }

  void APositionOffEveryScreenComesBackOntoThePrimaryScreen() {
    test::TestAppFolder app("basic");
    QByteArray settings = app.Read("xfiles/sibylon.dll");
    QList<QByteArray> lines = settings.split('\n');
    lines[20] = "true\r";
    lines[21] = "-30000\r";
    lines[22] = "20000\r";
    app.Write("xfiles/sibylon.dll", lines.join('\n'));
    MainWindow window(app.App());
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    QVERIFY(window.screen()->availableGeometry().contains(window.geometry().center()));
  }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
