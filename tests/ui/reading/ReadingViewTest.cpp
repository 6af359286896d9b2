// The Reading page: its command bar, the full-screen layout, the print preview and the reading's
// file name.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

class ReadingViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  // Every click on a deck views it, the selected one too: a renamed suit shows at once.
  void ClickingTheSelectedDeckViewsItAgain() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    auto* decks = Find<QListWidget>(window, "FileListBox2");
    QVERIFY(!decks->selectedItems().isEmpty());
    QVERIFY(!app.Read("cards/preview.srml").contains("Flames"));
    Find<QComboBox>(window, "EditWands")->setEditText("Flames");
    Find<QTabWidget>(window, "PageControl1")->setCurrentIndex(MainWindow::kCardDecks);
    QListWidgetItem* selected = decks->selectedItems().first();
    QTest::mouseClick(decks->viewport(), Qt::LeftButton, {},
                      decks->visualItemRect(selected).center());
    QVERIFY(app.Read("cards/preview.srml").contains("Flames"));
  }

  void FullScreenAndBack() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Click(window, "Button2");
    auto* pages = Find<QTabWidget>(window, "PageControl1");
    auto* restore = Find<QPushButton>(window, "ButtonNSV");
    auto* back = Find<QPushButton>(window, "ButtonReturnNS");
    QVERIFY(!restore->isVisible() && !back->isVisible());

    Click(window, "ButtonFSV");
    QVERIFY(!pages->isVisible());
    QVERIFY(!window.statusBar()->isVisible());
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!Find<QPushButton>(window, "ButtonFSV")->isVisible());
    QVERIFY(restore->isVisible() && back->isVisible());
    QWidget* bar = restore->parentWidget();
    QTRY_COMPARE(restore->x() + restore->width() + 2, bar->width());
    QCOMPARE(back->x() + back->width() + 10 + restore->width(), bar->width());
    QVERIFY(Find<QPushButton>(window, "Button5")->isVisible());
    QVERIFY(Find<QPushButton>(window, "Button4")->isVisible());

    Click(window, "ButtonReturnNS");
    QVERIFY(pages->isVisible());
    QVERIFY(window.statusBar()->isVisible());
    QCOMPARE(pages->currentIndex(), int(MainWindow::kNewSpread));
    QVERIFY(pages->isTabVisible(MainWindow::kReading));
    QCOMPARE(window.size(), QSize(789, 558));
    QVERIFY(!(window.windowFlags() & Qt::FramelessWindowHint));
    pages->setCurrentIndex(MainWindow::kReading);
    QVERIFY(Find<QPushButton>(window, "ButtonFSV")->isVisible());
    QVERIFY(!restore->isVisible() && !back->isVisible());
  }

  void AlwaysFullScreenOpensANewReadingFullScreen() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Find<QCheckBox>(window, "CheckBox6")->setChecked(true);
    Click(window, "Button2");
    QVERIFY(!Find<QTabWidget>(window, "PageControl1")->isVisible());
    QVERIFY(Find<QPushButton>(window, "ButtonNSV")->isVisible());
    Click(window, "ButtonNSV");
    QCOMPARE(Find<QTabWidget>(window, "PageControl1")->currentIndex(), int(MainWindow::kReading));
  }

  // "Save HTML" stores the shown page where the user chose, byte for byte; a cancelled choice or a
  // place that cannot be written stores nothing and says why.
  void SaveHtmlStoresTheShownPage() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Click(window, "Button2");
    const QByteArray page = app.Read("xfiles/newSpread-0001.html");
    QVERIFY(!page.isEmpty());

    FileDialog::SetNextFileName(app.Path("kept.html"));
    Click(window, "Button6");
    QCOMPARE(app.Read("kept.html"), page);

    FileDialog::SetNextFileName(QString());
    Click(window, "Button6");
    QCOMPARE(QDir(app.Path(".")).entryList({"*.html"}, QDir::Files), QStringList("kept.html"));

    FileDialog::SetNextFileName(app.Path("no folder/kept.html"));
    Click(window, "Button6");
    const QStringList errors = MessageBox::TakeShownErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith("Cannot create file \"" + app.Path("no folder/kept.html")),
             qPrintable(errors.first()));
  }

  void PrintShowsAPreviewAndPrintsNothingByItself() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Click(window, "Button2");
    Click(window, "Button5");
    QPrintPreviewDialog* preview = nullptr;
    QTRY_VERIFY((preview = window.findChild<QPrintPreviewDialog*>()) != nullptr);
    QTRY_VERIFY(preview->isVisible());
    preview->reject();
    QTRY_VERIFY(window.findChild<QPrintPreviewDialog*>() == nullptr);
  }

  void TheFileNameLosesRestrictedSymbolsAsTheyAreTyped() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    Find<QLineEdit>(window, "LabeledEdit1")->setText("A/B");
    Click(window, "Button2");
    auto* preview = Find<QLineEdit>(window, "LabeledEdit4");
    auto* field = Find<QLineEdit>(window, "Edit2");
    QVERIFY(preview->text().startsWith("A/B, Three Cards, "));
    QVERIFY(field->text().startsWith("AB, Three Cards, "));

    field->clear();
    QVERIFY(!Find<QPushButton>(window, "Button4")->isEnabled());
    QTest::keyClicks(field, "a?b");
    QCOMPARE(field->text(), QStringLiteral("ab"));
    QVERIFY(Find<QPushButton>(window, "Button4")->isEnabled());

    Click(window, "Button12");
    QCOMPARE(Find<QLineEdit>(window, "LabeledEdit3")->text(), QStringLiteral("#N, #S, [#D]"));
    QCOMPARE(Find<QComboBox>(window, "CBDTF")->currentIndex(), 0);
    QVERIFY(preview->text().startsWith("A/B, Three Cards, ["));
    QVERIFY(preview->text().endsWith("]"));
  }
};

QTEST_MAIN(ReadingViewTest)
#include "ReadingViewTest.moc"
