// Every user action survives a data folder that vanished while the program runs: the action stops
// with the standard error box, and the program goes on and writes its settings at close.

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

// One act of a user on a control, as the mouse and the keyboard give it.
void Act(QWidget* control) {
  MessageBox::SetNextAnswer(QMessageBox::Yes);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    if (list->count() == 0) return;
    const QPoint row = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    if (list->count() > 0) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    if (edit->isReadOnly()) return;
    QTest::keyClicks(edit, "7");
    QTest::keyClick(edit, Qt::Key_Return);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (combo->count() > 1) combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
    QTest::keyClick(slider, Qt::Key_Right);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
    if (!memo->isReadOnly()) QTest::keyClicks(memo, "x");
  }
}

// Brings `page` of `tabs` to the front, with every page that holds it; false where a page on the
// way is hidden from the user.
bool ShowPage(QTabWidget* tabs, int page) {
  if (!tabs->isTabVisible(page)) return false;
  tabs->setCurrentIndex(page);
  for (QWidget* inner = tabs; inner->parentWidget(); inner = inner->parentWidget()) {
    auto* outer = qobject_cast<QTabWidget*>(inner->parentWidget()->parentWidget());
    if (!outer) continue;
    const int index = outer->indexOf(inner);
    if (index < 0) continue;
    if (!outer->isTabVisible(index)) return false;
    outer->setCurrentIndex(index);
  }
  return true;
}

bool IsStandardError(const QString& text) {
  return text.startsWith("Cannot open file \"") || text.startsWith("Cannot create file \"") ||
         text.startsWith("List index out of bounds (") ||
         text.endsWith("is not a valid integer value.");
}

// The printout is made by the print system from the shown page; no data folder takes part.
const QStringList kNotWalked = {"Button5"};

}  // namespace

class UserActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }

  void EveryActionSurvivesARemovedFolder_data() {
    QTest::addColumn<QString>("folder");
    for (const char* folder :
         {"database", "spreads", "descriptions", "cards", "titles", "xfiles"}) {
      QTest::newRow(folder) << folder;
    }
  }
  void EveryActionSurvivesARemovedFolder() {
    QFETCH(QString, folder);
    test::TestAppFolder app("basic");
    auto window = std::make_unique<MainWindow>(app.App());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (const char* name : {"One", "Two"}) {
      Click(*window, "Button2");
      Find<QLineEdit>(*window, "Edit2")->setText(name);
      Click(*window, "Button4");
    }
    QCOMPARE(test::Items(Find<QListWidget>(*window, "FileListBox1")), QStringList({"One", "Two"}));
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    QVERIFY(QDir(app.Path(folder)).removeRecursively());

    // Dialogs that a button opens (file chooser, About box) are closed as a user would.
    QTimer dismiss;
    connect(&dismiss, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    dismiss.start(20);

    QPointer<MainWindow> alive(window.get());
    QStringList errors;
    int acts = 0;
    QList<QTabWidget*> tab_controls = window->findChildren<QTabWidget*>();
    for (QTabWidget* tabs : tab_controls) {
      for (int page = 0; page < tabs->count(); ++page) {
        if (!alive || !ShowPage(tabs, page)) continue;
        for (QWidget* control : tabs->widget(page)->findChildren<QWidget*>()) {
          if (!alive || !control->isVisible() || !control->isEnabled()) continue;
          if (kNotWalked.contains(control->objectName())) continue;
          Act(control);
          ++acts;
          errors << MessageBox::TakeShownErrors();
        }
        if (alive && alive->isFullScreen()) Click(*window, "ButtonNSV");
        for (QWidget* top : QApplication::topLevelWidgets()) {
          if (top != alive && top->isVisible()) top->close();
        }
      }
    }
    QVERIFY(alive);
    QVERIFY(window->isVisible());
    QVERIFY2(acts > 60, qPrintable(QString::number(acts)));
    QVERIFY2(!errors.isEmpty(), "no action noticed the missing folder");
    for (const QString& error : errors) QVERIFY2(IsStandardError(error), qPrintable(error));

    // Closing still writes the settings (where their folder is left).
    app.Remove("xfiles/sibylon.dll");
    window->close();
    window.reset();
    QCOMPARE(QFile::exists(app.Path("xfiles/sibylon.dll")), folder != "xfiles");
  }
};

QTEST_MAIN(UserActionsTest)
#include "UserActionsTest.moc"
