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

#include "base/AppError.h"
#include "database/ReadingFileName.h"
#include "srml/DateTimeFormat.h"
#include "ui/widgets/ListSelection.h"
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

  connect(file_name_template_, &QLineEdit::textChanged, this,
          &PreferencesPage::FileNameSettingsChanged);
  connect(date_format_, &QComboBox::currentIndexChanged, this,
          &PreferencesPage::FileNameSettingsChanged);
  connect(restore_default_name_, &QPushButton::clicked, this,
          &PreferencesPage::RestoreDefaultNameClicked);
  connect(reset_window_, &QPushButton::clicked, this, &PreferencesPage::ResetWindowClicked);
}

DeckOptions PreferencesPage::GatherDeckOptions() const {
  DeckOptions options;
  options.major_only = major_only_->isChecked();
  options.minor_only = minor_only_->isChecked();
  options.all_cards = all_cards_->isChecked();
  options.reversed = reversed_cards_->isChecked();
  options.blanks = blank_cards_->isChecked();
  options.blank_count = ToBytes(blank_count_->text());
  options.repeat = repeat_cards_->isChecked();
  return options;
}

QWidget* PreferencesPage::BuildCardsOptions() {
  QWidget* page = NamedPage("TabSheet12");
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);

  QGroupBox* types = NamedGroupBox("GroupBox2", QStringLiteral("Card Types"), page);
  QVBoxLayout* column = Column(types);
  major_only_ = NamedRadioButton(
      "RadioButton1", QStringLiteral(" - Use only 22 Major Arcans (Trumps)"), false, types);
  minor_only_ =
      NamedRadioButton("RadioButton2", QStringLiteral(" - Use only 56 Minor Arcans"), false, types);
  all_cards_ = NamedRadioButton("RadioButton3", QStringLiteral(" - Use All 78 Cards"), true, types);
  reversed_cards_ =
      NamedCheckBox("CheckBoxReversedCards", QStringLiteral(" - Use Reversed Cards"), false, types);
  blank_cards_ =
      NamedCheckBox("CheckBox1", QStringLiteral(" - Use Additional Blank Cards:"), false, types);
  blank_count_ = NamedEdit("EditBlankCard", QStringLiteral("1"), types);
  blank_count_->setFixedWidth(37);
  NameAfter(blank_count_, {blank_cards_});
  repeat_cards_ =
      NamedCheckBox("CheckBox5", QStringLiteral("Repeat Cards (default is OFF)"), false, types);
  for (QWidget* option : {static_cast<QWidget*>(major_only_), static_cast<QWidget*>(minor_only_),
                          static_cast<QWidget*>(all_cards_)}) {
    column->addWidget(option);
  }
  column->addSpacing(8);
  column->addWidget(reversed_cards_);
  auto* blanks = new QHBoxLayout;
  blanks->addWidget(blank_cards_);
  blanks->addWidget(blank_count_);
  blanks->addStretch(1);
  column->addLayout(blanks);
  column->addWidget(repeat_cards_);
  column->addStretch(1);
  layout->addWidget(types, 1);

  QGroupBox* sets = NamedGroupBox("GroupBox18", QStringLiteral("Card Descriptions Type:"), page);
  description_sets_ = NamedList("LBCDE", sets);
  NameAfter(description_sets_, {sets});
  Column(sets)->addWidget(description_sets_);
  layout->addWidget(sets, 1);
  return page;
}

QWidget* PreferencesPage::BuildAppearance() {
  QWidget* page = NamedPage("TabSheet13");
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);

  QGroupBox* general = NamedGroupBox("GroupBox12", QStringLiteral("General"), page);
  QVBoxLayout* column = Column(general);
  add_name_ = NamedCheckBox("CheckBox11", QStringLiteral("Add Name to Spread"), false, general);
  add_date_ =
      NamedCheckBox("CheckBox3", QStringLiteral("Add Date and Time to Spread"), true, general);
  add_question_ =
      NamedCheckBox("CheckBox12", QStringLiteral("Add Question to Spread"), false, general);
  show_numbers_ = NamedCheckBox(
      "CheckBox9", QStringLiteral("Show Card Positions Numbers above cards"), false, general);
  show_titles_ =
      NamedCheckBox("CheckBox8", QStringLiteral("Show Card Titles under cards"), false, general);
  show_frames_ =
      NamedCheckBox("CheckBox13", QStringLiteral("Show Frames around Cards"), false, general);
  show_meanings_ = NamedCheckBox("CheckBox10", QStringLiteral("Show Meanings"), false, general);
  show_reading_ = NamedCheckBox("CheckBox4", QStringLiteral("Show Reading (Texts)"), true, general);
  for (QCheckBox* box : {add_name_, add_date_, add_question_, show_numbers_, show_titles_,
                         show_frames_, show_meanings_, show_reading_}) {
    column->addWidget(box);
  }
  column->addStretch(1);
  layout->addWidget(general, 1);

  QGroupBox* extended = NamedGroupBox("GroupBox16", QStringLiteral("Extended"), page);
  auto* grid = new QGridLayout(extended);
  grid->setContentsMargins(10, 10, 10, 10);
  blank_label_ = LabeledEdit("LabeledEditBlank", QStringLiteral("Blank Card Text:"),
                             QStringLiteral("blank"), extended);
  blank_label_on_ = NamedCheckBox("CheckBoxLEBlank", QStringLiteral("Enable"), true, extended);
  normal_label_ = LabeledEdit("LabeledEditNormal", QStringLiteral("Normal Card Text:"),
                              QStringLiteral("Normal"), extended);
  normal_label_on_ = NamedCheckBox("CheckBoxLENormal", QStringLiteral("Enable"), true, extended);
  reversed_label_ = LabeledEdit("LabeledEditReversed", QStringLiteral("Reversed Card Text:"),
                                QStringLiteral("Reversed"), extended);
  reversed_label_on_ =
      NamedCheckBox("CheckBoxLEReversed", QStringLiteral("Enable"), true, extended);
  AddLabelRow(grid, 0, blank_label_, blank_label_on_);
  AddLabelRow(grid, 1, normal_label_, normal_label_on_);
  AddLabelRow(grid, 2, reversed_label_, reversed_label_on_);
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

  file_name_template_ = LabeledEdit("LabeledEdit3", QStringLiteral("Default File Name:"),
                                    QString::fromLatin1(kDefaultFileNameTemplate), group);
  grid->addWidget(EditLabel(file_name_template_), 0, 0);
  grid->addWidget(file_name_template_, 1, 0);
  auto* legend = new QVBoxLayout;
  legend->addWidget(NamedLabel("Label50", QStringLiteral("#N - Name"), group));
  legend->addWidget(NamedLabel("Label51", QStringLiteral("#S - Spread"), group));
  legend->addWidget(NamedLabel("Label52", QStringLiteral("#D - Date, Time"), group));
  grid->addLayout(legend, 0, 1, 3, 1);

  QLabel* format_label =
      NamedLabel("Label60", QStringLiteral("Date and Time Format Template:"), group);
  grid->addWidget(format_label, 2, 0);
  date_format_ = NamedComboBox("CBDTF", group);
  format_label->setBuddy(date_format_);
  NameAfter(date_format_, {format_label});
  for (const char* pattern : kDateTimePatterns) date_format_->addItem(QString::fromLatin1(pattern));
  date_format_->setCurrentIndex(0);
  grid->addWidget(date_format_, 3, 0);

  file_name_preview_ = LabeledEdit("LabeledEdit4", QStringLiteral("Preview:"), QString(), group);
  grid->addWidget(EditLabel(file_name_preview_), 4, 0);
  grid->addWidget(file_name_preview_, 5, 0, 1, 2);

  QLineEdit* restricted =
      LabeledEdit("LabeledEdit5", QStringLiteral("Restricted symbols:"),
                  QString::fromLatin1(kRestrictedSymbols.data(), kRestrictedSymbols.size()), group);
  restricted->setEnabled(false);
  grid->addWidget(EditLabel(restricted), 6, 0);
  grid->addWidget(restricted, 7, 0);

  restore_default_name_ = NamedButton("Button12", QStringLiteral("Restore Default"), group);
  grid->addWidget(restore_default_name_, 8, 0, Qt::AlignLeft);
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
  always_full_screen_ = NamedCheckBox(
      "CheckBox6", QStringLiteral("Always Full Screen Mode for Reading Table"), false, window);
  remember_position_ =
      NamedCheckBox("CheckBox7", QStringLiteral("Remember position of the window"), false, window);
  reset_window_ = NamedButton("Button1", QStringLiteral("Reset to Default"), window);
  column->addWidget(always_full_screen_);
  column->addWidget(remember_position_);
  column->addWidget(reset_window_, 0, Qt::AlignLeft);
  column->addStretch(1);
  layout->addWidget(window, 1);

  QGroupBox* codepage = NamedGroupBox("GroupBox17", QStringLiteral("Codepage Settings"), page);
  QVBoxLayout* right = Column(codepage);
  code_page_ = NamedComboBox("CBCodePage", codepage);
  code_page_->setEditable(false);  // only its own items
  code_page_->addItems({QStringLiteral("iso-8859-1"), QStringLiteral("UTF-8"),
                        QStringLiteral("windows-1251"), QStringLiteral("koi8-r"),
                        QStringLiteral("iso-8859-2"), QStringLiteral("windows-1250")});
  code_page_->setCurrentIndex(0);
  NameAfter(code_page_, {codepage});
  right->addWidget(code_page_);
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

namespace sibylon {

PageOptions PreferencesPage::GatherPageOptions() const {
  PageOptions options;
  options.name = add_name_->isChecked();
  options.date = add_date_->isChecked();
  options.question = add_question_->isChecked();
  options.numbers = show_numbers_->isChecked();
  options.titles = show_titles_->isChecked();
  options.frames = show_frames_->isChecked();
  options.meanings = show_meanings_->isChecked();
  options.reading = show_reading_->isChecked();
  options.blank_on = blank_label_on_->isChecked();
  options.blank_text = ToBytes(blank_label_->text());
  options.normal_on = normal_label_on_->isChecked();
  options.normal_text = ToBytes(normal_label_->text());
  options.reversed_on = reversed_label_on_->isChecked();
  options.reversed_text = ToBytes(reversed_label_->text());
  options.code_page = CodePage();
  return options;
}

std::string PreferencesPage::FileNameTemplate() const {
  return ToBytes(file_name_template_->text());
}

std::string PreferencesPage::DatePattern() const { return ToBytes(date_format_->currentText()); }

void PreferencesPage::SetFileNamePreview(const std::string& name) {
  file_name_preview_->setText(ToQString(name));
}

QString PreferencesPage::FileNamePreview() const { return file_name_preview_->text(); }

void PreferencesPage::RestoreDefaultFileName() {
  date_format_->setCurrentIndex(0);
  file_name_template_->setText(QString::fromLatin1(kRestoredFileNameTemplate));
}

std::string PreferencesPage::CodePage() const { return ToBytes(code_page_->currentText()); }

bool PreferencesPage::ShowFrames() const { return show_frames_->isChecked(); }

bool PreferencesPage::AlwaysFullScreen() const { return always_full_screen_->isChecked(); }

void PreferencesPage::ForgetPosition() { remember_position_->setChecked(false); }

void PreferencesPage::SetDescriptionSets(const std::vector<std::string>& names) {
  description_sets_->clear();
  for (const std::string& name : names) description_sets_->addItem(ToQString(name));
}

std::optional<std::string> PreferencesPage::SelectedDescriptionSet() const {
  const auto sets = description_sets_->selectedItems();
  if (sets.isEmpty()) return std::nullopt;
  return ToBytes(sets.first()->text());
}

void PreferencesPage::AdjustDeckChoice(int count) {
  const bool other_chosen = minor_only_->isChecked() || all_cards_->isChecked();
  if (count > 22) {
    if (!other_chosen) all_cards_->setChecked(true);
    major_only_->setEnabled(false);
  } else {
    major_only_->setEnabled(true);
    if (!other_chosen) major_only_->setChecked(true);
  }
}

// The settings lines of the page's check boxes and edit fields, each with its control and its
// value in SettingsValues: read and written by the one table.
std::vector<PreferencesPage::FlagLine> PreferencesPage::FlagLines() const {
  return {
      {kBlankCardsLine, blank_cards_, &SettingsValues::blank_cards},
      {kAddDateLine, add_date_, &SettingsValues::add_date},
      {kRepeatLine, repeat_cards_, &SettingsValues::repeat},
      {kReversedLine, reversed_cards_, &SettingsValues::reversed},
      {kBlankLabelOnLine, blank_label_on_, &SettingsValues::blank_label_on},
      {kNormalLabelOnLine, normal_label_on_, &SettingsValues::normal_label_on},
      {kReversedLabelOnLine, reversed_label_on_, &SettingsValues::reversed_label_on},
      {kFullScreenLine, always_full_screen_, &SettingsValues::full_screen},
      {kRememberPositionLine, remember_position_, &SettingsValues::remember_position},
      {kShowTitlesLine, show_titles_, &SettingsValues::show_titles},
      {kShowNumbersLine, show_numbers_, &SettingsValues::show_numbers},
      {kShowMeaningsLine, show_meanings_, &SettingsValues::show_meanings},
      {kAddNameLine, add_name_, &SettingsValues::add_name},
      {kAddQuestionLine, add_question_, &SettingsValues::add_question},
      {kShowFramesLine, show_frames_, &SettingsValues::show_frames},
      {kShowReadingLine, show_reading_, &SettingsValues::show_reading},
  };
}

std::vector<PreferencesPage::TextLine> PreferencesPage::TextLines() const {
  return {
      {kFileNameTemplateLine, file_name_template_, &SettingsValues::file_name_template},
      {kBlankLabelLine, blank_label_, &SettingsValues::blank_label},
      {kNormalLabelLine, normal_label_, &SettingsValues::normal_label},
      {kReversedLabelLine, reversed_label_, &SettingsValues::reversed_label},
      {kBlankCountLine, blank_count_, &SettingsValues::blank_count},
  };
}

bool PreferencesPage::ApplyFlag(SettingsLine line, bool on) {
  for (const FlagLine& flag : FlagLines()) {
    if (flag.line == line) {
      flag.box->setChecked(on);
      return true;
    }
  }
  return false;
}

bool PreferencesPage::ApplyText(SettingsLine line, const std::string& text) {
  for (const TextLine& field : TextLines()) {
    if (field.line == line) {
      field.edit->setText(ToQString(text));
      return true;
    }
  }
  return false;
}

bool PreferencesPage::ApplyIndex(SettingsLine line, int index) {
  if (line == kCodePageLine || line == kDateFormatLine) {
    QComboBox* box = line == kCodePageLine ? code_page_ : date_format_;
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    return true;
  }
  if (line == kPreferencesPageLine) {
    if (index >= 0 && index < sub_pages_->count()) sub_pages_->setCurrentIndex(index);
    return true;
  }
  return false;
}

void PreferencesPage::SelectDescriptionSet(const std::string& name) {
  SelectWithoutCase(description_sets_, ToQString(name));
}

void PreferencesPage::SetDeckPart(const std::string& choice) {
  (choice == "22" ? major_only_ : choice == "56" ? minor_only_ : all_cards_)->setChecked(true);
}

void PreferencesPage::GatherSettings(SettingsValues& v) const {
  const auto set = SelectedDescriptionSet();
  if (!set) throw ListIndexOutOfBounds(-1);
  v.description_set = *set;
  v.deck_part = major_only_->isChecked() ? "22" : minor_only_->isChecked() ? "56" : "78";
  for (const FlagLine& flag : FlagLines()) v.*flag.value = flag.box->isChecked();
  for (const TextLine& field : TextLines()) v.*field.value = ToBytes(field.edit->text());
  v.code_page = code_page_->currentIndex();
  v.date_format = date_format_->currentIndex();
  v.preferences_page = sub_pages_->currentIndex();
}

}  // namespace sibylon
