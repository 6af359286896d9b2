#include "ui/settings/PreferencesPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "database/ReadingFileName.h"
#include "srml/DateTimeFormat.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

QVBoxLayout* Column(QWidget* widget) {
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(6);
  return layout;
}

// One row of the "Extended" group: the label, the edit field and its "Enable" box.
void AddLabelRow(QGridLayout* grid, int row, QLineEdit* edit, QCheckBox* enable) {
  grid->addWidget(EditLabel(edit), row, 0);
  edit->setFixedWidth(160);
  grid->addWidget(edit, row, 1);
  grid->addWidget(enable, row, 2);
  // Three boxes say "Enable"; each is told by the row it enables.
  NameAfter(enable, {EditLabel(edit), enable});
}

}  // namespace

PreferencesPage::PreferencesPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet1"));
  sub_pages_ = NamedTabs("PageControl3", this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(sub_pages_);
  sub_pages_->addTab(BuildCardsOptions(), QStringLiteral("Cards Options"));
  sub_pages_->addTab(BuildAppearance(), QStringLiteral("Appearance"));
  sub_pages_->addTab(BuildSaveOptions(), QStringLiteral("Save Options"));
  sub_pages_->addTab(BuildWindowsSettings(), QStringLiteral("Windows Settings"));
  sub_pages_->setCurrentIndex(3);
}

DeckOptions PreferencesPage::GatherDeckOptions() const {
  DeckOptions options;
  options.major_only = major_only->isChecked();
  options.minor_only = minor_only->isChecked();
  options.all_cards = all_cards->isChecked();
  options.reversed = reversed_cards->isChecked();
  options.blanks = blank_cards->isChecked();
  options.blank_count = ToBytes(blank_count->text());
  options.repeat = repeat_cards->isChecked();
  return options;
}

QWidget* PreferencesPage::BuildCardsOptions() {
  QWidget* page = NamedPage("TabSheet12");
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);

  QGroupBox* types = NamedGroupBox("GroupBox2", QStringLiteral("Card Types"), page);
  QVBoxLayout* column = Column(types);
  major_only = NamedRadioButton(
      "RadioButton1", QStringLiteral(" - Use only 22 Major Arcans (Trumps)"), false, types);
  minor_only =
      NamedRadioButton("RadioButton2", QStringLiteral(" - Use only 56 Minor Arcans"), false, types);
  all_cards = NamedRadioButton("RadioButton3", QStringLiteral(" - Use All 78 Cards"), true, types);
  reversed_cards =
      NamedCheckBox("CheckBoxReversedCards", QStringLiteral(" - Use Reversed Cards"), false, types);
  blank_cards =
      NamedCheckBox("CheckBox1", QStringLiteral(" - Use Additional Blank Cards:"), false, types);
  blank_count = NamedEdit("EditBlankCard", QStringLiteral("1"), types);
  blank_count->setFixedWidth(37);
  NameAfter(blank_count, {blank_cards});
  repeat_cards =
      NamedCheckBox("CheckBox5", QStringLiteral("Repeat Cards (default is OFF)"), false, types);
  for (QWidget* option : {static_cast<QWidget*>(major_only), static_cast<QWidget*>(minor_only),
                          static_cast<QWidget*>(all_cards)}) {
    column->addWidget(option);
  }
  column->addSpacing(8);
  column->addWidget(reversed_cards);
  auto* blanks = new QHBoxLayout;
  blanks->addWidget(blank_cards);
  blanks->addWidget(blank_count);
  blanks->addStretch(1);
  column->addLayout(blanks);
  column->addWidget(repeat_cards);
  column->addStretch(1);
  layout->addWidget(types, 1);

  QGroupBox* sets = NamedGroupBox("GroupBox18", QStringLiteral("Card Descriptions Type:"), page);
  description_sets = NamedList("LBCDE", sets);
  NameAfter(description_sets, {sets});
  Column(sets)->addWidget(description_sets);
  layout->addWidget(sets, 1);
  return page;
}

QWidget* PreferencesPage::BuildAppearance() {
  QWidget* page = NamedPage("TabSheet13");
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);

  QGroupBox* general = NamedGroupBox("GroupBox12", QStringLiteral("General"), page);
  QVBoxLayout* column = Column(general);
  add_name = NamedCheckBox("CheckBox11", QStringLiteral("Add Name to Spread"), false, general);
  add_date =
      NamedCheckBox("CheckBox3", QStringLiteral("Add Date and Time to Spread"), true, general);
  add_question =
      NamedCheckBox("CheckBox12", QStringLiteral("Add Question to Spread"), false, general);
  show_numbers = NamedCheckBox(
      "CheckBox9", QStringLiteral("Show Card Positions Numbers above cards"), false, general);
  show_titles =
      NamedCheckBox("CheckBox8", QStringLiteral("Show Card Titles under cards"), false, general);
  show_frames =
      NamedCheckBox("CheckBox13", QStringLiteral("Show Frames around Cards"), false, general);
  show_meanings = NamedCheckBox("CheckBox10", QStringLiteral("Show Meanings"), false, general);
  show_reading = NamedCheckBox("CheckBox4", QStringLiteral("Show Reading (Texts)"), true, general);
  for (QCheckBox* box : {add_name, add_date, add_question, show_numbers, show_titles, show_frames,
                         show_meanings, show_reading}) {
    column->addWidget(box);
  }
  column->addStretch(1);
  layout->addWidget(general, 1);

  QGroupBox* extended = NamedGroupBox("GroupBox16", QStringLiteral("Extended"), page);
  auto* grid = new QGridLayout(extended);
  grid->setContentsMargins(10, 10, 10, 10);
  blank_label = LabeledEdit("LabeledEditBlank", QStringLiteral("Blank Card Text:"),
                            QStringLiteral("blank"), extended);
  blank_label_on = NamedCheckBox("CheckBoxLEBlank", QStringLiteral("Enable"), true, extended);
  normal_label = LabeledEdit("LabeledEditNormal", QStringLiteral("Normal Card Text:"),
                             QStringLiteral("Normal"), extended);
  normal_label_on = NamedCheckBox("CheckBoxLENormal", QStringLiteral("Enable"), true, extended);
  reversed_label = LabeledEdit("LabeledEditReversed", QStringLiteral("Reversed Card Text:"),
                               QStringLiteral("Reversed"), extended);
  reversed_label_on = NamedCheckBox("CheckBoxLEReversed", QStringLiteral("Enable"), true, extended);
  AddLabelRow(grid, 0, blank_label, blank_label_on);
  AddLabelRow(grid, 1, normal_label, normal_label_on);
  AddLabelRow(grid, 2, reversed_label, reversed_label_on);
  grid->setRowStretch(3, 1);
  layout->addWidget(extended, 1);
  return page;
}

QWidget* PreferencesPage::BuildSaveOptions() {
  QWidget* page = NamedPage("TabSheet14");
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);
  QGroupBox* group = NamedGroupBox("GroupBox11", QStringLiteral("Save Options"), page);
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(10, 12, 10, 10);
  grid->setHorizontalSpacing(12);

  file_name_template = LabeledEdit("LabeledEdit3", QStringLiteral("Default File Name:"),
                                   QString::fromLatin1(kDefaultFileNameTemplate), group);
  grid->addWidget(EditLabel(file_name_template), 0, 0);
  grid->addWidget(file_name_template, 1, 0);
  auto* legend = new QVBoxLayout;
  legend->addWidget(NamedLabel("Label50", QStringLiteral("#N - Name"), group));
  legend->addWidget(NamedLabel("Label51", QStringLiteral("#S - Spread"), group));
  legend->addWidget(NamedLabel("Label52", QStringLiteral("#D - Date, Time"), group));
  grid->addLayout(legend, 0, 1, 3, 1);

  QLabel* format_label =
      NamedLabel("Label60", QStringLiteral("Date and Time Format Template:"), group);
  grid->addWidget(format_label, 2, 0);
  date_format = NamedComboBox("CBDTF", group);
  format_label->setBuddy(date_format);
  NameAfter(date_format, {format_label});
  for (const char* pattern : kDateTimePatterns) date_format->addItem(QString::fromLatin1(pattern));
  date_format->setCurrentIndex(0);
  grid->addWidget(date_format, 3, 0);

  file_name_preview = LabeledEdit("LabeledEdit4", QStringLiteral("Preview:"), QString(), group);
  grid->addWidget(EditLabel(file_name_preview), 4, 0);
  grid->addWidget(file_name_preview, 5, 0, 1, 2);

  QLineEdit* restricted =
      LabeledEdit("LabeledEdit5", QStringLiteral("Restricted symbols:"),
                  QString::fromLatin1(kRestrictedSymbols.data(), kRestrictedSymbols.size()), group);
  restricted->setEnabled(false);
  grid->addWidget(EditLabel(restricted), 6, 0);
  grid->addWidget(restricted, 7, 0);

  restore_default_name = NamedButton("Button12", QStringLiteral("Restore Default"), group);
  grid->addWidget(restore_default_name, 8, 0, Qt::AlignLeft);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(9, 1);
  layout->addWidget(group);
  return page;
}

QWidget* PreferencesPage::BuildWindowsSettings() {
  QWidget* page = NamedPage("TabSheet15");
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);

  QGroupBox* window = NamedGroupBox("GroupBox15", QStringLiteral("Window settings"), page);
  QVBoxLayout* column = Column(window);
  always_full_screen = NamedCheckBox(
      "CheckBox6", QStringLiteral("Always Full Screen Mode for Reading Table"), false, window);
  remember_position =
      NamedCheckBox("CheckBox7", QStringLiteral("Remember position of the window"), false, window);
  reset_window = NamedButton("Button1", QStringLiteral("Reset to Default"), window);
  column->addWidget(always_full_screen);
  column->addWidget(remember_position);
  column->addWidget(reset_window, 0, Qt::AlignLeft);
  column->addStretch(1);
  layout->addWidget(window, 1);

  QGroupBox* codepage = NamedGroupBox("GroupBox17", QStringLiteral("Codepage Settings"), page);
  QVBoxLayout* right = Column(codepage);
  code_page = NamedComboBox("CBCodePage", codepage);
  code_page->setEditable(false);  // only its own items
  code_page->addItems({QStringLiteral("iso-8859-1"), QStringLiteral("UTF-8"),
                       QStringLiteral("windows-1251"), QStringLiteral("koi8-r"),
                       QStringLiteral("iso-8859-2"), QStringLiteral("windows-1250")});
  code_page->setCurrentIndex(0);
  NameAfter(code_page, {codepage});
  right->addWidget(code_page);
  QLabel* note_label = NamedLabel("Label61", QStringLiteral("NOTE:"), codepage);
  right->addWidget(note_label);
  auto* note = new QPlainTextEdit(codepage);
  note->setObjectName(QStringLiteral("Memo12"));
  note_label->setBuddy(note);
  note->setReadOnly(true);
  note->setPlainText(
      QStringLiteral("Use UTF-8 as Default CodePage for english Language.\n"
                     "Use iso-8859-1 if UTF-8 does not work correctly.\n"
                     "Use windows-1250 if iso-8859-1 does not work too.\n"
                     "Use windows-1251 as Default CodePage for Russian Language.\n"
                     "Use koi8-r if windows-1251 does not work correctly.\n"
                     "\n"
                     "At this time Program works with two languages (Russian and english),\n"
                     "and if You work with program under other language\n"
                     "and the fonts and images do not appear correctly, \n"
                     "contact us and we'll try to help You."));
  right->addWidget(note, 1);
  layout->addWidget(codepage, 1);
  return page;
}

}  // namespace sibylon
