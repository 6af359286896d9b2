#include "ui/settings/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>

#include "reading/PageWords.h"
#include "ui/widgets/NamedControls.h"

#ifndef SIBYLON_INTERFACE_LANGUAGE
#define SIBYLON_INTERFACE_LANGUAGE "EN"
#endif

namespace sibylon {
namespace {

struct Caption {
  const char* control;
  const char* russian;
  int left = -1;   // new left edge, or -1
  int width = -1;  // new width, or -1
  bool hide = false;
};

// Every caption that the Russian interface replaces, by control name.
const Caption kCaptions[] = {
    {"TabSheet2", "Новый расклад"},
    {"TabSheet3", "Расклад"},
    {"TabSheet4", "База данных"},
    {"TabSheetJournal", "Журнал"},
    {"TabSheet9", "Колоды"},
    {"TabSheet1", "Настройки"},
    {"TabSheet10", "Редакторы"},
    {"TabSheet5", "О программе"},
    {"TabSheet7", "Редактор названий карт"},
    {"TabSheet8", "Редактор значений карт"},
    {"TabSheet11", "Редактор раскладов"},
    {"Button2", "Тасовать и Разложить карты", 11},
    {"ButtonShuffle", "Тасовать колоду", -1, -1, true},
    {"ButtonDeal", "Разложить карты", -1, -1, true},
    {"Button8", "Загрузить"},
    {"Button9", "Удалить"},
    {"Button11", "Удалить всё"},
    {"Button12", "Сбросить"},
    {"Button1", "Вернуть стандартные значения", -1, 180},
    {"Button10", "Сохранить"},
    {"Button4", "Сохранить", -1, 90},
    {"Button6", "Сохр. HTML"},
    {"Button5", "Печать", 418, 80},
    {"ButtonFSV", "Во весь экран", 690, 83},
    // "Full Screen" is wider in Russian: the buttons before it move left, "Save to Database"
    // being shorter.
    {"ButtonSavePdf", nullptr, 503, 80},
    {"ButtonExportPage", nullptr, 588, 80},
    {"ButtonNSV", "Вернуться в окно", 659, 115},
    {"ButtonReturnNS", "Новый расклад"},
    {"BSaveCSpread", "Сохранить"},
    {"BDeleteCSpread", "Удалить"},
    {"BLoadCSpread", "Загрузить"},
    {"BAddCards", "Число карт"},
    {"BNewCSpread", "Новый"},
    {"Button3", "Сохранить названия"},
    {"Label49", "Название расклада:", 6},
    {"EditBlankCard", nullptr, 159},
    {"Label15", "Огонь", 219},
    {"Label16", "Вода", 223},
    {"Label17", "Воздух", 212},
    {"Label18", "Земля"},
    {"Label2", "Туз", 16},
    {"Label12", "Добавить разделитель", 216},
    {"Label1", "Ваш Вопрос картам ТАРО:"},
    {"LabeledEdit1", "Имя:"},
    {"Label64", "Язык: Русский"},
    {"GroupBox1", "Просмотр / смена колоды Таро"},
    {"GroupBox3", "Информация для расклада"},
    {"GroupBox4", "Выберите расклад"},
    {"CheckBox2", "Запомнить имя"},
    {"CheckBox3", "Добавить дату и время в расклад"},
    {"CheckBox11", "Добавить имя в расклад"},
    {"CheckBox12", "Добавить вопрос в расклад"},
    {"CheckBox13", "Показывать рамки вокруг карт"},
    {"CheckBoxRemoveAllUnlocked", "Разблокировать кнопку"},
    {"RadioButton1", " - Только 22 Старших Аркана (козыри)"},
    {"RadioButton2", " - Только 56 Младших Арканов"},
    {"RadioButton3", " - Все 78 карт"},
    {"CheckBoxReversedCards", " - Перевёрнутые карты"},
    {"CheckBox1", " - Добавить пустые карты:"},
    {"CheckBox4", "Показывать толкование (тексты)"},
    {"CheckBox5", "Повторять карты (по умолчанию ВЫКЛ)"},
    {"CheckBox6", "Всегда показывать расклад во весь экран"},
    {"CheckBox7", "Запоминать положение окна"},
    {"LabeledEdit3", "Имя файла по умолчанию:"},
    {"LabeledEdit4", "Просмотр:"},
    {"LabeledEdit5", "Запрещённые символы:"},
    {"GroupBox11", "Параметры сохранения"},
    {"Label50", "#N - Имя"},
    {"Label51", "#S - Расклад"},
    {"Label52", "#D - Дата"},
    {"LabeledEditBlank", "Текст пустой карты:"},
    {"LabeledEditNormal", "Текст прямой карты:"},
    {"LabeledEditReversed", "Текст перевёрнутой карты:"},
    {"CheckBoxLEBlank", "Включить"},
    {"CheckBoxLENormal", "Включить"},
    {"CheckBoxLEReversed", "Включить"},
    {"GroupBox15", "Параметры окна"},
    {"GroupBox13", "Прямое положение карты"},
    {"GroupBox14", "Перевёрнутая карта"},
    {"StaticText1",
     "* - чтобы значения карт сохранённые вами отображались в раскладах, выберите "
     "соответствующую опцию на странице настроек"},
    {"GroupBox7", "Старшие Арканы (козыри)"},
    {"GroupBox6", "Младшие Арканы"},
    {"Label54", "Список раскладов:"},
    {"Label55", "Описание расклада:"},
    {"Label56", "Комментарии:"},
    {"LESpreadTitle", "Название расклада:"},
    {"RadioDefaultCardNames", "Стандартные названия карт"},
    {"RadioCustomCardNames", "Свои названия карт"},
    {"GroupBox8", "Пустая карта"},
    {"GroupBox9", "Сохранить новые настройки"},
    {"GroupBox18", "Тип описаний карт:"},
    {"CheckBox9", "Показывать номера позиций над картами"},
    {"CheckBox8", "Показывать названия карт под картами"},
    {"CheckBox10", "Показывать значения позиций"},
    {"Label60", "Шаблон даты и времени:"},
    {"GroupBox17", "Кодировка"},
};

void SetCaption(QWidget* control, const QString& text) {
  if (auto* tabs = qobject_cast<QTabWidget*>(control->parentWidget()->parentWidget())) {
    const int index = tabs->indexOf(control);
    if (index >= 0) {
      tabs->setTabText(index, text);
      return;
    }
  }
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    group->setTitle(text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    if (QLabel* caption = EditLabel(edit)) caption->setText(text);
  }
}

// Russian captions are longer than the English ones. A button too narrow for its caption grows
// to it, keeping its right edge (the bar of a reading is laid out by hand); the name of a reading
// keeps clear of its label.
void MakeRoomForCaptions(QWidget* window) {
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    const int need = button->sizeHint().width();
    if (button->text().isEmpty() || button->width() >= need) continue;
    const int right = button->geometry().right();
    button->setFixedWidth(need);
    button->move(right + 1 - need, button->y());
  }
  auto* label = window->findChild<QLabel*>(QStringLiteral("Label49"));
  auto* name = window->findChild<QLineEdit*>(QStringLiteral("Edit2"));
  if (label && name) {
    label->resize(label->sizeHint().width(), label->height());
    const int left = label->geometry().right() + 1 + 6;
    if (name->x() < left)
      name->setGeometry(left, name->y(), name->geometry().right() + 1 - left, name->height());
  }
}

// The layout, nested or not, that places `control`.
QLayout* HoldingLayout(QLayout* layout, QWidget* control) {
  if (layout == nullptr) return nullptr;
  if (layout->indexOf(control) >= 0) return layout;
  for (int item = 0; item < layout->count(); ++item) {
    if (QLayout* held = HoldingLayout(layout->itemAt(item)->layout(), control)) return held;
  }
  return nullptr;
}

// A new left edge. A control in a row of a box layout keeps to the left of its row instead; one
// in a grid stays where its column puts it, next to its field.
void MoveLeftEdge(QWidget* control, int left) {
  QLayout* layout = HoldingLayout(control->parentWidget()->layout(), control);
  if (layout == nullptr) {
    control->move(left, control->y());
  } else if (qobject_cast<QBoxLayout*>(layout)) {
    layout->setAlignment(control, Qt::AlignLeft);
  }
}

void ApplyRussianCaptions(QWidget* window) {
  for (const Caption& caption : kCaptions) {
    QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(caption.control));
    if (control == nullptr) continue;
    if (caption.russian) SetCaption(control, QString::fromUtf8(caption.russian));
    if (caption.hide) control->hide();
    if (caption.left >= 0) MoveLeftEdge(control, caption.left);
    if (caption.width >= 0) control->setFixedWidth(caption.width);
  }
  if (auto* grid = window->findChild<QTableWidget*>(QStringLiteral("sg"))) {
    grid->setHorizontalHeaderLabels(
        {QString::fromUtf8("№"), QString::fromUtf8("Значение карты в раскладе")});
  }
  MakeRoomForCaptions(window);
}

}  // namespace

const char* InterfaceLanguage() { return SIBYLON_INTERFACE_LANGUAGE; }

const PageWords& InterfacePageWords() {
  return QString::fromLatin1(InterfaceLanguage()) == QLatin1String("RU") ? RussianPageWords()
                                                                         : EnglishPageWords();
}

void ApplyInterfaceLanguage(QWidget* window) {
  if (QString::fromLatin1(InterfaceLanguage()) == QLatin1String("RU")) ApplyRussianCaptions(window);
  // Names made of captions follow them; the grid's headings are written at start-up as well.
  UpdateAccessibleNames(window);
}

}  // namespace sibylon
