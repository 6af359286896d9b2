// The Journal page driven as a user would: the rows, the search, a reading loaded from a row, and
// the folder changed behind the program's back.

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

QStringList Column(QTableView* list, int column) {
  QStringList cells;
  for (int row = 0; row < list->model()->rowCount(); ++row) {
    cells << list->model()->index(row, column).data().toString();
  }
  cells.sort();
  return cells;
}

void ShowJournal(MainWindow& window) {
  auto* pages = Find<QTabWidget>(window, "PageControl1");
  pages->setCurrentIndex(MainWindow::kNewSpread);
  pages->setCurrentIndex(MainWindow::kJournal);
}

}  // namespace

class JournalPageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  void FindsLoadsAndFollowsTheFolder() {
    test::TestAppFolder app("basic");
    app.Write("database/notes.txt", "not a reading\r\n");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"Anna", "Boris"}) {
      Find<QLineEdit>(window, "LabeledEdit1")->setText(name);
      Click(window, "Button2");
      Find<QLineEdit>(window, "Edit2")->setText(name);
      Click(window, "Button4");
    }
    const QByteArray boris = app.Read("database/Boris.srml");

    ShowJournal(window);
    auto* list = Find<QTableView>(window, "JournalList");
    QCOMPARE(list->accessibleName(), QStringLiteral("Readings"));
    QCOMPARE(Column(list, 5), QStringList({"Anna.srml", "Boris.srml", "notes.txt"}));
    QCOMPARE(Column(list, 1), QStringList({"", "Anna", "Boris"}));
    QCOMPARE(Column(list, 3).filter(QRegularExpression("^unreadable: .+")).size(), 1);
    QVERIFY(Find<QLabel>(window, "JournalSummary")->text().contains("skipped: 1."));

    auto* search = Find<QLineEdit>(window, "JournalSearch");
    QCOMPARE(search->placeholderText(), QStringLiteral("Search readings"));
    QTest::keyClicks(search, "BOR");
    QCOMPARE(Column(list, 5), QStringList("Boris.srml"));
    Click(window, "JournalClear");
    QCOMPARE(list->model()->rowCount(), 3);

    // Enter on a row loads its reading as "Load" does.
    QTest::keyClicks(search, "anna");
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(Find<QTabWidget>(window, "PageControl1")->currentIndex(), int(MainWindow::kReading));
    QCOMPARE(Find<QLineEdit>(window, "Edit2")->text(), QStringLiteral("Anna"));
    QCOMPARE(QByteArray::fromStdString(JoinLines(window.HeldReading())),
             app.Read("database/Anna.srml"));

    // Behind the program's back: one file added, one removed.
    app.Write("database/Carla.srml", QByteArray(boris).replace("Boris", "Carla"));
    app.Remove("database/Boris.srml");
    Click(window, "JournalClear");
    ShowJournal(window);
    QCOMPARE(Column(list, 5), QStringList({"Anna.srml", "Carla.srml", "notes.txt"}));
    QCOMPARE(Column(list, 1), QStringList({"", "Anna", "Carla"}));
  }
};

QTEST_MAIN(JournalPageTest)
#include "JournalPageTest.moc"
