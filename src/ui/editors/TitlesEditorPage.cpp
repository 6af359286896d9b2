#include "ui/editors/TitlesEditorPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

bool IsDropDown(int index) {
  // The blank and major titles, the suit names and the court ranks (m11..m14) offer alternatives.
  const bool court_rank = index >= kFirstRankWord + 10 && index < kDivider;
  return index < kFirstSuitName + 4 || court_rank;
}

QString LabelName(int number) { return QStringLiteral("Label%1").arg(number); }

// A field is read by its label; a bare number is read with its group ("Minor Arcans 2").
void LabelField(QLabel* label, QWidget* field, const QGroupBox* group) {
  label->setBuddy(field);
  if (group) {
    NameAfter(field, {group, label});
  } else {
    NameAfter(field, {label});
  }
}

}  // namespace

TitlesEditorPage::TitlesEditorPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet7"));
  for (int index = 0; index < kTitleFieldCount; ++index) {
    const char* name = TitleFieldName(index);
    if (IsDropDown(index)) {
      combos_[index] = NamedComboBox(name, this);
      combos_[index]->setEditable(true);
      combos_[index]->setInsertPolicy(QComboBox::NoInsert);
      combos_[index]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    } else {
      edits_[index] = NamedEdit(name, QString(), this);
    }
  }
  const TitleSet initial = InitialTitleSet();
  SetTexts(initial);

  auto field = [this](int index) -> QWidget* {
    return combos_[index] ? static_cast<QWidget*>(combos_[index]) : edits_[index];
  };
  auto label = [this](int number, const QString& text) {
    return NamedLabel(LabelName(number).toLatin1().constData(), text, this);
  };

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);

  // Trumps: t1-t11 in the left column, t12-t22 in the right one, labelled 1..22 (Label23..Label44).
  QGroupBox* majors = NamedGroupBox("GroupBox7", QStringLiteral("Major Arcans (Trumps)"), this);
  auto* major_grid = new QGridLayout(majors);
  major_grid->setVerticalSpacing(3);
  for (int card = 1; card <= 22; ++card) {
    const int row = (card - 1) % 11;
    const int column = card <= 11 ? 0 : 2;
    QLabel* number = label(22 + card, QString::number(card));
    number->setParent(majors);
    field(card)->setParent(majors);
    LabelField(number, field(card), majors);
    major_grid->addWidget(number, row, column, Qt::AlignRight);
    major_grid->addWidget(field(card), row, column + 1);
  }
  major_grid->setColumnStretch(1, 1);
  major_grid->setColumnStretch(3, 1);
  layout->addWidget(majors, 0, 0);

  QGroupBox* blank = NamedGroupBox("GroupBox8", QStringLiteral("Empty Card"), this);
  auto* blank_row = new QHBoxLayout(blank);
  QLabel* zero = label(45, QStringLiteral("0"));
  zero->setParent(blank);
  field(0)->setParent(blank);
  LabelField(zero, field(0), blank);
  blank_row->addWidget(zero);
  blank_row->addWidget(field(0), 1);
  layout->addWidget(blank, 1, 0);

  // Ranks: "Ace (1)" Label2, "2".."10" Label3..Label11, "11".."14" Label22, Label21, Label20,
  // Label19.
  QGroupBox* minors = NamedGroupBox("GroupBox6", QStringLiteral("Minor Arcans"), this);
  auto* minor_grid = new QGridLayout(minors);
  minor_grid->setVerticalSpacing(3);
  const int rank_labels[14] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 22, 21, 20, 19};
  for (int rank = 1; rank <= 14; ++rank) {
    const QString text = rank == 1 ? QStringLiteral("Ace (1)") : QString::number(rank);
    QLabel* number = label(rank_labels[rank - 1], text);
    number->setParent(minors);
    QWidget* rank_field = field(kFirstRankWord + rank - 1);
    rank_field->setParent(minors);
    LabelField(number, rank_field, minors);
    minor_grid->addWidget(number, rank - 1, 0, Qt::AlignRight);
    minor_grid->addWidget(rank_field, rank - 1, 1);
  }
  const char* elements[4] = {"Fire", "Water", "Air", "Earth"};
  for (int suit = 0; suit < 4; ++suit) {
    QLabel* element = label(15 + suit, QString::fromLatin1(elements[suit]));
    element->setParent(minors);
    QWidget* suit_field = field(kFirstSuitName + suit);
    suit_field->setParent(minors);
    LabelField(element, suit_field, nullptr);
    minor_grid->addWidget(suit_field, suit, 3);
    minor_grid->addWidget(element, suit, 2, Qt::AlignRight);
  }
  QLabel* divider_label = label(12, QStringLiteral("Use special divider"));
  divider_label->setParent(minors);
  edits_[kDivider]->setParent(minors);
  LabelField(divider_label, edits_[kDivider], nullptr);
  edits_[kDivider]->setFixedWidth(40);
  minor_grid->addWidget(divider_label, 5, 2, Qt::AlignRight);
  minor_grid->addWidget(edits_[kDivider], 5, 3, Qt::AlignLeft);
  minor_grid->setColumnStretch(1, 1);
  minor_grid->setColumnStretch(3, 1);
  minor_grid->setRowStretch(14, 1);
  layout->addWidget(minors, 0, 1);

  QGroupBox* save = NamedGroupBox("GroupBox9", QStringLiteral("Save New Settings"), this);
  // The button above its two options: side by side they need more than the column has.
  auto* save_rows = new QGridLayout(save);
  save_custom_ = NamedButton("Button3", QStringLiteral("Save Current Set as Custom"), save);
  default_titles_ =
      NamedRadioButton("RadioDefaultCardNames", QStringLiteral("Default Card Titles"), true, save);
  custom_titles_ =
      NamedRadioButton("RadioCustomCardNames", QStringLiteral("Custom Card Titles"), false, save);
  save_rows->addWidget(save_custom_, 0, 0, 1, 2, Qt::AlignLeft);
  save_rows->addWidget(default_titles_, 1, 0);
  save_rows->addWidget(custom_titles_, 1, 1);
  layout->addWidget(save, 1, 1);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 1);

  connect(save_custom_, &QPushButton::clicked, this, &TitlesEditorPage::SaveCustomClicked);
  // toggled() is not sent for the option already chosen.
  for (QRadioButton* choice : {default_titles_, custom_titles_}) {
    connect(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) emit SetChosen();
    });
  }
}

bool TitlesEditorPage::CustomChosen() const { return custom_titles_->isChecked(); }

bool TitlesEditorPage::ChooseSet(bool default_titles) {
  QRadioButton* choice = default_titles ? default_titles_ : custom_titles_;
  if (choice->isChecked()) return false;
  const QSignalBlocker quiet(choice);
  choice->setChecked(true);
  return true;
}

TitleSet TitlesEditorPage::Texts() const {
  TitleSet texts;
  for (int index = 0; index < kTitleFieldCount; ++index) {
    texts[index] = ToBytes(combos_[index] ? combos_[index]->currentText() : edits_[index]->text());
  }
  return texts;
}

void TitlesEditorPage::SetText(int index, const std::string& text) {
  if (combos_[index]) {
    combos_[index]->setEditText(ToQString(text));
  } else {
    edits_[index]->setText(ToQString(text));
  }
}

void TitlesEditorPage::SetTexts(const TitleSet& texts) {
  for (int index = 0; index < kTitleFieldCount; ++index) SetText(index, texts[index]);
}

void TitlesEditorPage::FillTitleAlternatives() {
  for (const TitleAlternatives& alternatives : TitleAlternativesTable()) {
    QComboBox* combo = combos_[alternatives.field];
    if (combo == nullptr) continue;
    const QString kept = combo->currentText();  // appending items must not change the text
    for (const std::string& item : alternatives.items) combo->addItem(ToQString(item));
    combo->setEditText(kept);
    // Wide enough for the longest title it offers, however the other columns are laid out.
    combo->setMinimumWidth(combo->sizeHint().width());
  }
}

}  // namespace sibylon
