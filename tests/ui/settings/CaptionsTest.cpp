// The captions of the built interface language: the texts that the languages spell out, and
// that every caption, heading and shipped list entry fits its control on every page.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/Controls.h"
#include "support/Pages.h"
#include "support/TestAppFolder.h"
#include "ui/reading/DeckImportDialog.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/NamedControls.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

bool Russian() { return QString::fromLatin1(InterfaceLanguage()) == QLatin1String("RU"); }

// The caption as shown: a page's tab text, an edit field's label.
QString ShownCaption(QWidget* control) {
  if (QTabWidget* tabs = test::TabsOf(control)) return tabs->tabText(tabs->indexOf(control));
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return EditLabel(edit)->text();
  return QStringLiteral("<no caption>");
}

int Metric(const QWidget* widget, QStyle::PixelMetric metric) {
  return widget->style()->pixelMetric(metric, nullptr, widget);
}

int Advance(const QWidget* widget, const QString& text) {
  return widget->fontMetrics().horizontalAdvance(text);
}

// Fields that hold what the user typed or what a reading is called; those scroll.
bool HoldsUserText(const QWidget* edit) {
  static const QStringList names = {"LabeledEdit1", "Edit2", "LabeledEdit4"};
  return names.contains(edit->objectName());
}

class ClipFinder {
 public:
  explicit ClipFinder(QString where) : where_(std::move(where)) {}

  void Check(QWidget* control) {
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      // As a push button measures itself, without the style's minimum width.
      Need(control, button->text(),
           Advance(button, button->text()) + Metric(button, QStyle::PM_ButtonMargin) +
               2 * Metric(button, QStyle::PM_DefaultFrameWidth),
           button->width());
    } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
      auto* button = static_cast<QAbstractButton*>(control);
      Need(control, button->text(), button->sizeHint().width(), button->width());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      CheckLabel(label);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      Need(control, group->title(), group->minimumSizeHint().width(), group->width());
    } else if (auto* bar = qobject_cast<QTabBar*>(control)) {
      for (int tab = 0; tab < bar->count(); ++tab) {
        if (!bar->isTabVisible(tab)) continue;
        const QRect shown = bar->tabRect(tab).intersected(bar->rect());
        // As a tab measures itself: text, picture with its gap, the style's space.
        const int picture = bar->tabIcon(tab).isNull() ? 0 : bar->iconSize().width() + 4;
        Need(control, bar->tabText(tab),
             Advance(bar, bar->tabText(tab)) + picture + Metric(bar, QStyle::PM_TabBarTabHSpace),
             shown.width());
      }
    } else if (auto* grid = qobject_cast<QTableWidget*>(control)) {
      CheckGrid(grid);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
      const int room =
          list->viewport()->width() - 2 * (Metric(list, QStyle::PM_FocusFrameHMargin) + 1);
      for (int row = 0; row < list->count(); ++row) {
        Need(control, list->item(row)->text(), Advance(list, list->item(row)->text()), room);
      }
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
      CheckComboBox(combo);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      if (HoldsUserText(edit) || qobject_cast<QComboBox*>(edit->parentWidget())) return;
      Need(control, edit->text(),
           Advance(edit, edit->text()) + 2 * 2 + 2 * Metric(edit, QStyle::PM_DefaultFrameWidth),
           edit->width());
    }
  }

  const QStringList& Faults() const { return faults_; }

 private:
  void Need(QWidget* control, const QString& text, int need, int room) {
    if (text.isEmpty() || need <= room) return;
    faults_ << QStringLiteral("%1: %2 \"%3\" needs %4 px, has %5")
                   .arg(where_, control->objectName(), text)
                   .arg(need)
                   .arg(room);
  }

  void CheckLabel(QLabel* label) {
    if (label->text().isEmpty()) return;
    if (label->wordWrap()) {
      if (label->heightForWidth(label->width()) > label->height()) {
        faults_ << QStringLiteral("%1: %2 \"%3\" needs %4 px high, has %5")
                       .arg(where_, label->objectName(), label->text())
                       .arg(label->heightForWidth(label->width()))
                       .arg(label->height());
      }
      return;
    }
    Need(label, label->text(), label->sizeHint().width(), label->width());
    // A label in front of its field keeps clear of it.
    QWidget* buddy = label->buddy();
    if (buddy && buddy->isVisible() && buddy->parentWidget() == label->parentWidget() &&
        buddy->x() > label->x() && buddy->geometry().top() < label->geometry().bottom()) {
      const int text_end =
          label->x() + label->contentsRect().left() + Advance(label, label->text());
      Need(label, label->text(), text_end + 4, buddy->x());
    }
  }

  void CheckGrid(QTableWidget* grid) {
    const int cell_margin = 2 * (Metric(grid, QStyle::PM_FocusFrameHMargin) + 1);
    for (int column = 0; column < grid->columnCount(); ++column) {
      if (grid->isColumnHidden(column)) continue;  // nothing of it shows
      const int width = grid->horizontalHeader()->sectionSize(column);
      if (QTableWidgetItem* heading = grid->horizontalHeaderItem(column)) {
        Need(grid, heading->text(),
             Advance(grid->horizontalHeader(), heading->text()) +
                 2 * Metric(grid->horizontalHeader(), QStyle::PM_HeaderMargin),
             width);
      }
      for (int row = 0; row < grid->rowCount(); ++row) {
        if (QTableWidgetItem* cell = grid->item(row, column)) {
          Need(grid, cell->text(), Advance(grid, cell->text()) + cell_margin, width);
        }
      }
    }
  }

  void CheckComboBox(QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const int room =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    // An edit field keeps a margin of 2 pixels each side of its text.
    const int margin = combo->isEditable() ? 2 * 2 : 0;
    // Each entry of the drop-down list shows in the box once chosen.
    QStringList shown = {combo->currentText()};
    for (int item = 0; item < combo->count(); ++item) shown << combo->itemText(item);
    for (const QString& text : shown) Need(combo, text, Advance(combo, text) + margin, room);
  }

  QString where_;
  QStringList faults_;
};

QStringList ClippedCaptions(QWidget& window, QWidget* page) {
  ClipFinder finder(test::PagePath(page));
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->isVisible()) finder.Check(control);
  }
  return finder.Faults();
}

}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() { QCOMPARE(MessageBox::TakeShownErrors(), QStringList()); }

  void CaptionsOfTheBuiltLanguage_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    const char* rows[][3] = {
        {"TabSheet2", "New Spread", "Новый расклад"},
        {"TabSheet3", "Reading", "Расклад"},
        {"TabSheet4", "Database", "База данных"},
        {"TabSheet9", "Card Decks", "Колоды"},
        {"TabSheet1", "Preferences", "Настройки"},
        {"TabSheet10", "Editors", "Редакторы"},
        {"TabSheet5", "About Program", "О программе"},
        {"TabSheet7", "Card Titles Editor", "Редактор названий карт"},
        {"TabSheet8", "Card Descriptions Editor", "Редактор значений карт"},
        {"TabSheet11", "Card Spreads Editor", "Редактор раскладов"},
        // These keep their English captions.
        {"TabSheet6", "SYS", "SYS"},
        {"TabSheet12", "Cards Options", "Cards Options"},
        {"TabSheet13", "Appearance", "Appearance"},
        {"TabSheet14", "Save Options", "Save Options"},
        {"TabSheet15", "Windows Settings", "Windows Settings"},
        {"Button2", "Shuffle and Deal", "Тасовать и Разложить карты"},
        {"ButtonShuffle", "Shuffle", "Тасовать колоду"},
        {"ButtonDeal", "Deal", "Разложить карты"},
        {"Button8", "Load", "Загрузить"},
        {"Button9", "Delete", "Удалить"},
        {"Button11", "Remove All", "Удалить всё"},
        {"Button12", "Restore Default", "Сбросить"},
        {"Button1", "Reset to Default", "Вернуть стандартные значения"},
        {"Button10", "Save", "Сохранить"},
        {"ButtonImportDeck", "Import Deck…", "Импорт колоды…"},
        {"ButtonRemoveDeck", "Remove Deck", "Удалить колоду"},
        {"Button4", "Save to Database", "Сохранить"},
        {"Button6", "Save HTML", "Сохр. HTML"},
        {"Button5", "Print", "Печать"},
        {"ButtonSavePdf", "Save as PDF", "В PDF"},
        {"ButtonExportPage", "Export Page", "Экспорт"},
        {"ButtonEnterCards", "Enter Cards…", "Ввести карты…"},
        {"JournalExportPdf", "Export PDF…", "Экспорт в PDF…"},
        {"ButtonFSV", "Full Screen", "Во весь экран"},
        {"ButtonNSV", "Restore Window", "Вернуться в окно"},
        {"ButtonReturnNS", "New Spread", "Новый расклад"},
        {"BSaveCSpread", "Save", "Сохранить"},
        {"BDeleteCSpread", "Delete", "Удалить"},
        {"BLoadCSpread", "Load", "Загрузить"},
        {"BAddCards", "Set Number of Cards", "Число карт"},
        {"BNewCSpread", "New", "Новый"},
        {"Button3", "Save Current Set as Custom", "Сохранить названия"},
        {"Label49", "Name of the Spread:", "Название расклада:"},
        {"Label15", "Fire", "Огонь"},
        {"Label16", "Water", "Вода"},
        {"Label17", "Air", "Воздух"},
        {"Label2", "Ace (1)", "Туз"},
        {"Label12", "Use special divider", "Добавить разделитель"},
        {"Label1", "Put a Question Before the Cards:", "Ваш Вопрос картам ТАРО:"},
        {"LabeledEdit1", "Enter Your Name:", "Имя:"},
        {"Label64", "Language: english", "Язык: Русский"},
        {"CheckBoxLEBlank", "Enable", "Включить"},
        {"CheckBoxLENormal", "Enable", "Включить"},
        {"CheckBoxLEReversed", "Enable", "Включить"},
        {"Label50", "#N - Name", "#N - Имя"},
        {"Label51", "#S - Spread", "#S - Расклад"},
        {"Label52", "#D - Date, Time", "#D - Дата"},
        {"StaticText1",
         "Note: to use these card's descriptions - You should select \"Custom Card "
         "Descriptions\" option in the Program Options Page.",
         "* - чтобы значения карт сохранённые вами отображались в раскладах, выберите "
         "соответствующую опцию на странице настроек"},
    };
    for (const auto& row : rows) {
      QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1])
                            << QString::fromUtf8(row[2]);
    }
  }

  void CaptionsOfTheBuiltLanguage() {
    QFETCH(QString, control);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    QWidget* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(ShownCaption(widget), Russian() ? russian : english);
  }

  void TheGridHeadingsAndTheShuffleButtons() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = Find<QTableWidget>(window, "sg");
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), Russian() ? QString::fromUtf8("№") : "#");
    QCOMPARE(grid->horizontalHeaderItem(1)->text(),
             Russian() ? QString::fromUtf8("Значение карты в раскладе")
                       : "Meaning of the card in the Spread");
    // In Russian only the combined button deals.
    QCOMPARE(Find<QPushButton>(window, "ButtonShuffle")->isVisible(), !Russian());
    QCOMPARE(Find<QPushButton>(window, "ButtonDeal")->isVisible(), !Russian());
    auto* shuffle_and_deal = Find<QPushButton>(window, "Button2");
    QVERIFY(shuffle_and_deal->isVisible());
    // ... and it stands at the left edge of its group, under the name field.
    if (Russian()) QCOMPARE(shuffle_and_deal->x(), Find<QLineEdit>(window, "LabeledEdit1")->x());
    // The bar of a reading keeps its buttons in the order of the window.
    auto* full_screen = Find<QPushButton>(window, "ButtonFSV");
    auto* print = Find<QPushButton>(window, "Button5");
    QVERIFY(print->geometry().right() < full_screen->x());
    QCOMPARE(full_screen->geometry().right(), 772);
    // The buttons that take a reading away stand between "Print" and "Full Screen", apart.
    auto* save_pdf = Find<QPushButton>(window, "ButtonSavePdf");
    auto* export_page = Find<QPushButton>(window, "ButtonExportPage");
    QVERIFY(print->geometry().right() < save_pdf->x());
    QVERIFY(save_pdf->geometry().right() < export_page->x());
    QVERIFY(export_page->geometry().right() < full_screen->x());
  }

  // The dialog of "Enter Cards" with every control it can show.
  void TheEnterCardsDialogFits() {
    test::TestAppFolder app("basic");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QCheckBox>(window, "CheckBoxReversedCards")->setChecked(true);
    Click(window, "ButtonEnterCards");
    auto* dialog = window.findChild<QWidget*>("EnterCardsDialog");
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    ClipFinder finder(QStringLiteral("Enter Cards"));
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      if (control->isVisible()) finder.Check(control);
    }
    for (const QString& fault : finder.Faults()) qWarning("%s", qPrintable(fault));
    QVERIFY2(finder.Faults().isEmpty(), "clipped captions (listed above)");
  }

  // The texts of the Card Decks page that are made as they are needed: what a deck says about
  // itself, and why the last deck stays.
  void TheCardDecksPagesTexts() {
    test::TestAppFolder app("basic");
    app.Write(
        "cards/TestDeck/deck-info.txt",
        "name=TestDeck\r\nauthor=A. Painter\r\nlicense=CC0\r\nsource=/home/me/decks/moon\r\n");
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::ShowPage(Find<QWidget>(window, "TabSheet9"));
    QCOMPARE(Find<QLabel>(window, "LabelDeckInfo")->text(),
             Russian() ? QString::fromUtf8("Автор: A. Painter\nЛицензия: CC0\nИз: moon")
                       : QStringLiteral("Author: A. Painter\nLicense: CC0\nFrom: moon"));
    QCOMPARE(Find<QPushButton>(window, "ButtonRemoveDeck")->toolTip(),
             Russian()
                 ? QString::fromUtf8("Последнюю колоду нельзя удалить: для раскладов нужна колода.")
                 : QStringLiteral("The last deck cannot be removed: readings need a deck."));
  }

  // Every page with the shipped data (the lists show what an installation shows), the Reading
  // page in the window and full screen included.
  void NoCaptionIsClipped() {
    test::TestAppFolder app(QStringLiteral(SIBYLON_DATA));
    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Click(window, "Button2");

    QStringList faults;
    const QList<QWidget*> pages = test::ReachablePages(window);
    QVERIFY(pages.size() >= 12);
    for (QWidget* page : pages) {
      test::ShowPage(page);
      faults << ClippedCaptions(window, page);
    }
    QWidget* reading = Find<QWidget>(window, "TabSheet3");
    test::ShowPage(reading);
    Click(window, "ButtonFSV");
    QTRY_VERIFY(Find<QPushButton>(window, "ButtonNSV")->isVisible());
    QApplication::processEvents();
    ClipFinder full_screen(QStringLiteral("full screen"));
    for (QWidget* control : Find<QWidget>(window, "Panel1")->findChildren<QWidget*>()) {
      if (control->isVisible()) full_screen.Check(control);
    }
    faults << full_screen.Faults();
    Click(window, "ButtonNSV");

    // The import dialog of the Card Decks page, with the shipped titles in its list.
    test::ShowPage(Find<QWidget>(window, "TabSheet9"));
    Click(window, "ButtonImportDeck");
    auto* dialog = window.findChild<DeckImportDialog*>();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    ClipFinder in_dialog(QStringLiteral("Import Deck"));
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      if (control->isVisible()) in_dialog.Check(control);
    }
    faults << in_dialog.Faults();
    dialog->close();

    faults.removeDuplicates();
    for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), "clipped captions (listed above)");
  }
};

QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"
