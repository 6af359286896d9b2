// The journal's "Export PDF": the readings its search lets through, one after the other in one PDF,
// read back with Poppler; Cancel writes nothing.

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/Pdf.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

// Three stored readings with the person's name on their pages, and the Journal page shown.
void StoreReadings(MainWindow& window) {
  Find<QCheckBox>(window, "CheckBox11")->setChecked(true);
  for (const char* name : {"Anna Lee", "Boris", "Anna Mae"}) {
    Find<QLineEdit>(window, "LabeledEdit1")->setText(name);
    Click(window, "Button2");
    Find<QLineEdit>(window, "Edit2")->setText(name);
    Click(window, "Button4");
  }
  Find<QTabWidget>(window, "PageControl1")->setCurrentIndex(MainWindow::kJournal);
}

}  // namespace

class JournalExportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  void TheReadingsLetThroughEachFromANewPage() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    StoreReadings(window);
    QTest::keyClicks(Find<QLineEdit>(window, "JournalSearch"), "anna");
    const QString pdf = app.Path("journal.pdf");
    FileDialog::SetNextFileName(pdf);
    Click(window, "JournalExportPdf");
    QVERIFY(FileDialog::LastSuggested().endsWith("/Journal.pdf"));

    const QStringList pages = test::PdfText(pdf).split('\f', Qt::SkipEmptyParts);
    QStringList starts;  // each reading from the top of a sheet: heading, date, name
    for (const QString& page : pages) {
      if (page.startsWith("THREE CARDS")) starts << page.section('\n', 2, 2);
    }
    starts.sort();
    QCOMPARE(starts, QStringList({"Name: Anna Lee", "Name: Anna Mae"}));
    QVERIFY(!pages.join("").contains("Boris"));
    QVERIFY(!QFile::exists(app.Path("xfiles/journal-0001.html")));  // the printed document
  }

  void CancelWritesNothing() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    StoreReadings(window);
    QTimer cancel;
    connect(&cancel, &QTimer::timeout, [&window] {
      if (auto* progress = window.findChild<QProgressDialog*>("JournalExportProgress")) {
        progress->cancel();
      }
    });
    cancel.start(5);
    FileDialog::SetNextFileName(app.Path("journal.pdf"));
    Click(window, "JournalExportPdf");
    cancel.stop();
    QVERIFY(!QFile::exists(app.Path("journal.pdf")));
    QVERIFY(!QFile::exists(app.Path("xfiles/journal-0001.html")));
  }
};

QTEST_MAIN(JournalExportTest)
#include "JournalExportTest.moc"
