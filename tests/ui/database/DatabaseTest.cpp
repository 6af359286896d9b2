// Storing, loading and deleting readings through the main window.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

QStringList Entries(MainWindow& window) {
  QStringList entries;
  auto* list = Find<QListWidget>(window, "FileListBox1");
  for (int row = 0; row < list->count(); ++row) entries << list->item(row)->text();
  return entries;
}

QByteArray Joined(const Lines& lines) {
  QByteArray bytes;
  for (const auto& line : lines) bytes += QByteArray::fromStdString(line) + "\r\n";
  return bytes;
}

}  // namespace

class DatabaseTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() {
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    MessageBox::TakeAskedQuestions();
  }

  void SavingAsksBeforeReplacingAStoredReading() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Click(window, "Button2");
    auto* name = Find<QLineEdit>(window, "Edit2");
    name->setText("  Morning  ");
    Click(window, "Button4");
    QCOMPARE(Entries(window), QStringList("Morning"));
    const QByteArray first = app.Read("database/Morning.srml");
    QCOMPARE(first, Joined(window.HeldReading()));
    QVERIFY(!Find<QPushButton>(window, "Button8")->isEnabled());

    Click(window, "Button2");
    name->setText("Morning");
    MessageBox::SetNextAnswer(QMessageBox::No);
    Click(window, "Button4");
    QCOMPARE(MessageBox::TakeAskedQuestions(),
             QStringList("Spread with same name already exists in DataBase.\n"
                         "Overwrite existing spread with new one?"));
    QCOMPARE(app.Read("database/Morning.srml"), first);
    QVERIFY(name->hasFocus());

    MessageBox::SetNextAnswer(QMessageBox::Yes);
    Click(window, "Button4");
    QCOMPARE(app.Read("database/Morning.srml"), Joined(window.HeldReading()));
  }

  void LoadingShowsTheStoredReadingWithTheDeckChosenNow() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Click(window, "Button2");
    Find<QLineEdit>(window, "Edit2")->setText("Stored");
    Click(window, "Button4");
    const Lines stored = window.HeldReading();
    Click(window, "Button2");  // another reading is held now

    auto* list = Find<QListWidget>(window, "FileListBox1");
    list->setCurrentRow(0);
    Click(window, "Button8");
    QCOMPARE(window.HeldReading(), stored);
    QCOMPARE(window.DeckFolder(), app.App().Root() + "cards//TestDeck/");
    QCOMPARE(Find<QLineEdit>(window, "Edit2")->text(), QStringLiteral("Stored"));
    QCOMPARE(Find<QTabWidget>(window, "PageControl1")->currentIndex(), int(MainWindow::kReading));
    QVERIFY(app.Read("xfiles/newSpread-0001.html").contains("cards//TestDeck/"));
  }

  // A load that fails keeps the reading that is held, so saving can never store an empty one.
  void AFailedLoadKeepsTheHeldReading() {
    test::TestAppFolder app("basic");
    app.Write("database/notes.txt", "not a reading\r\n");
    MainWindow window(app.App());
    window.show();
    Click(window, "Button2");
    const Lines held = window.HeldReading();
    auto* list = Find<QListWidget>(window, "FileListBox1");
    QCOMPARE(Entries(window), QStringList("notes.txt"));
    list->setCurrentRow(0);
    Click(window, "Button8");
    QCOMPARE(MessageBox::TakeShownErrors(),
             QStringList(QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                             .arg(app.Path("database/notes.txt.srml"))));
    QCOMPARE(window.HeldReading(), held);
  }

  // Load A, then a B that cannot be shown: A stays held, shown and named, and saving it again
  // stores A's own bytes.
  void AFailedLoadNeverOverwritesTheShownReading_data() {
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QString>("error");
    QTest::newRow("bad card count") << "file";
    QTest::newRow("link to a file outside") << "link";
  }
  void AFailedLoadNeverOverwritesTheShownReading() {
    QFETCH(QString, broken);
    test::TestAppFolder app("basic");
    {
      MainWindow writer(app.App());
      writer.show();
      Click(writer, "Button2");
      Find<QLineEdit>(writer, "Edit2")->setText("A");
      Click(writer, "Button4");
    }
    const QByteArray stored = app.Read("database/A.srml");
    QByteArray bad = stored;
    bad.replace("[CARDS]\r\n3\r\n", "[CARDS]\r\nabc\r\n");
    QVERIFY(bad != stored);
    if (broken == "file") {
      app.Write("database/B.srml", bad);
    } else {
      app.Write("outside/B.srml", bad);
      QVERIFY(QFile::link(app.Path("outside/B.srml"), app.Path("database/B.srml")));
    }
    MainWindow window(app.App());
    window.show();
    auto* list = Find<QListWidget>(window, "FileListBox1");
    QCOMPARE(Entries(window), QStringList({"A", "B"}));
    list->setCurrentRow(0);
    Click(window, "Button8");
    const Lines held = window.HeldReading();
    const std::string deck_folder = window.DeckFolder();
    const QByteArray page = app.Read("xfiles/newSpread-0001.html");

    list->setCurrentRow(1);
    Click(window, "Button8");
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList("'abc' is not a valid integer value."));
    QCOMPARE(window.HeldReading(), held);
    QCOMPARE(window.DeckFolder(), deck_folder);
    QCOMPARE(Find<QLineEdit>(window, "Edit2")->text(), QStringLiteral("A"));
    QCOMPARE(app.Read("xfiles/newSpread-0001.html"), page);

    MessageBox::SetNextAnswer(QMessageBox::Yes);
    Click(window, "Button4");
    QCOMPARE(app.Read("database/A.srml"), stored);
  }

  // With nothing held, or no name, a save writes nothing at all.
  void SavingWithoutAReadingOrANameWritesNothing() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    // The Reading page and its button are out of reach without a reading; the command itself
    // must be safe all the same.
    QVERIFY(!Find<QPushButton>(window, "Button4")->isEnabled());
    Find<QLineEdit>(window, "Edit2")->setText("Nothing");
    QVERIFY(QMetaObject::invokeMethod(&window, "Button4Click"));
    QCOMPARE(QDir(app.Path("database")).entryList(QDir::Files | QDir::Hidden), QStringList());

    Click(window, "Button2");
    Find<QLineEdit>(window, "Edit2")->setText("   ");
    Click(window, "Button4");
    QCOMPARE(QDir(app.Path("database")).entryList(QDir::Files | QDir::Hidden), QStringList());
  }

  void DeletingSelectsTheNextEntryAndRemoveAllIsLocked() {
    test::TestAppFolder app("basic");
    for (const char* name : {"a", "b", "c", "d", "e"}) {
      app.Write(QStringLiteral("database/%1.srml").arg(name), "[SRML]\r\n");
    }
    MainWindow window(app.App());
    window.show();
    auto* list = Find<QListWidget>(window, "FileListBox1");
    QCOMPARE(list->currentRow(), 4);  // start-up leaves the last entry selected
    QVERIFY(Find<QPushButton>(window, "Button8")->isEnabled());

    list->setCurrentRow(2);
    Click(window, "Button9");
    QCOMPARE(Entries(window), QStringList({"a", "b", "d", "e"}));
    QCOMPARE(list->selectedItems().first()->text(), QStringLiteral("d"));
    list->setCurrentRow(3);
    Click(window, "Button9");
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(!Find<QPushButton>(window, "Button9")->isEnabled());

    auto* unlock = Find<QCheckBox>(window, "CheckBoxRemoveAllUnlocked");
    QVERIFY(!Find<QPushButton>(window, "Button11")->isEnabled());
    unlock->click();
    QVERIFY(Find<QPushButton>(window, "Button11")->isEnabled());
    Click(window, "Button11");
    QCOMPARE(Entries(window), QStringList());
    QVERIFY(!unlock->isChecked());
    QVERIFY(!unlock->isEnabled());
    QVERIFY(!Find<QPushButton>(window, "Button11")->isEnabled());
  }

  // A run that ended in the middle of a save leaves its temporary file beside the target; the next
  // start neither lists it nor keeps it, in every folder the program writes into.
  void UnfinishedSavesOfAnEarlierRunAreRemovedAtStartUp() {
    test::TestAppFolder app("basic");
    app.Write("database/Keep.srml", "[SRML]\r\n");
    const QStringList leftovers = {
        "database/.Keep_srml.sibylon-tmp-Ab12Cd",       "spreads/.One Card_srml.sibylon-tmp-x1Y2z3",
        "descriptions/.Custom_srml.sibylon-tmp-000000", "titles/.custom_txt.sibylon-tmp-aaaaaa",
        "xfiles/.sibylon_dll.sibylon-tmp-Q9q9Q9",       "cards/.preview_srml.sibylon-tmp-zzzzzz"};
    for (const QString& leftover : leftovers + QStringList("database/.hidden")) {
      app.Write(leftover, "half a file");
      QFile file(app.Path(leftover));
      QVERIFY(file.open(QIODevice::ReadWrite));
      QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                               QFileDevice::FileModificationTime));
    }
    MainWindow window(app.App());
    QCOMPARE(Entries(window), QStringList({".hidden", "Keep"}));
    for (const QString& leftover : leftovers) {
      QVERIFY2(!QFile::exists(app.Path(leftover)), qPrintable(leftover));
    }
    QVERIFY(QFile::exists(app.Path("database/.hidden")));
  }
};

QTEST_MAIN(DatabaseTest)
#include "DatabaseTest.moc"
