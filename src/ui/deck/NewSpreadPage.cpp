#include "ui/deck/NewSpreadPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {

NewSpreadPage::NewSpreadPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet2"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);

  QGroupBox* inputs =
      NamedGroupBox("GroupBox3", QStringLiteral("Information for the spread"), this);
  inputs->setFixedWidth(300);  // room for the three deal_ buttons side by side
  auto* column = new QVBoxLayout(inputs);
  name_ = LabeledEdit("LabeledEdit1", QStringLiteral("Enter Your Name:"), QString(), inputs);
  column->addWidget(EditLabel(name_));
  column->addWidget(name_);
  remember_name_ = NamedCheckBox("CheckBox2", QStringLiteral("Remember Name"), false, inputs);
  column->addWidget(remember_name_);
  column->addSpacing(6);
  QLabel* question_label =
      NamedLabel("Label1", QStringLiteral("Put a Question Before the Cards:"), inputs);
  column->addWidget(question_label);
  question_ = new QPlainTextEdit(inputs);
  question_->setObjectName(QStringLiteral("Memo3"));
  question_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  question_->setTabChangesFocus(true);
  question_label->setBuddy(question_);
  column->addWidget(question_, 1);
  auto* buttons = new QHBoxLayout;
  shuffle_ = NamedButton("ButtonShuffle", QStringLiteral("Shuffle"), inputs);
  deal_ = NamedButton("ButtonDeal", QStringLiteral("Deal"), inputs);
  deal_->setEnabled(false);
  shuffle_and_deal_ = NamedButton("Button2", QStringLiteral("Shuffle and Deal"), inputs);
  shuffle_and_deal_->setDefault(true);
  buttons->addWidget(shuffle_);
  buttons->addWidget(deal_);
  buttons->addWidget(shuffle_and_deal_, 1);
  column->addLayout(buttons);
  // A reading laid with the user's own cards takes the same spread and inputs.
  enter_cards_ = NamedButton("ButtonEnterCards", Tr("Enter Cards…", "Ввести карты…"), inputs);
  auto* entry = new QHBoxLayout;
  entry->addStretch(1);
  entry->addWidget(enter_cards_);
  column->addLayout(entry);
  layout->addWidget(inputs);

  QGroupBox* choice = NamedGroupBox("GroupBox4", QStringLiteral("Select a Spread"), this);
  auto* right = new QVBoxLayout(choice);
  spreads_ = NamedList("ListBox3", choice);
  spreads_->setSortingEnabled(true);
  spreads_->setFixedHeight(150);
  NameAfter(spreads_, {choice});
  right->addWidget(spreads_);
  preview_ = new HtmlView(choice);
  preview_->setObjectName(QStringLiteral("CppWebBrowser2"));
  right->addWidget(preview_, 1);
  layout->addWidget(choice, 1);

  // Tab follows a reading's flow: who asks, what, which spread, then the deal_.
  QWidget* const order[] = {name_, remember_name_,    question_,    spreads_, shuffle_,
                            deal_, shuffle_and_deal_, enter_cards_, preview_};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

  connect(shuffle_, &QPushButton::clicked, this, &NewSpreadPage::ShuffleClicked);
  connect(deal_, &QPushButton::clicked, this, &NewSpreadPage::DealClicked);
  connect(shuffle_and_deal_, &QPushButton::clicked, this, &NewSpreadPage::ShuffleAndDealClicked);
  connect(spreads_, &QListWidget::itemSelectionChanged, this, &NewSpreadPage::SpreadClicked);
  connect(enter_cards_, &QPushButton::clicked, this, &NewSpreadPage::EnterCardsClicked);
}

std::optional<std::string> NewSpreadPage::SelectedSpread() const {
  const auto selected = spreads_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return ToBytes(selected.first()->text());
}

std::vector<std::string> NewSpreadPage::QuestionLines() const {
  return HardLines(question_->toPlainText());
}

void NewSpreadPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  UpdateDealButtons();
}

std::string NewSpreadPage::Person() const { return ToBytes(name_->text()); }

void NewSpreadPage::SetPerson(const std::string& name) { name_->setText(ToQString(name)); }

bool NewSpreadPage::RememberName() const { return remember_name_->isChecked(); }

void NewSpreadPage::SetRememberName(bool on) { remember_name_->setChecked(on); }

void NewSpreadPage::SetSpreads(const std::vector<std::string>& names) {
  const QSignalBlocker quiet(spreads_);  // refilling is not a click of the user's
  spreads_->clear();
  for (const std::string& name : names) spreads_->addItem(ToQString(name));
}

int NewSpreadPage::SelectedRow() const {
  const auto selected = spreads_->selectedItems();
  return selected.isEmpty() ? -1 : spreads_->row(selected.first());
}

void NewSpreadPage::SelectRow(int row) {
  const QSignalBlocker quiet(spreads_);
  spreads_->clearSelection();
  spreads_->setCurrentRow(row >= 0 && row < spreads_->count() ? row : -1);
}

void NewSpreadPage::UpdateDealButtons() {
  const bool selected = SelectedSpread().has_value();
  shuffle_and_deal_->setEnabled(selected);
  shuffle_->setEnabled(selected);
  enter_cards_->setEnabled(selected);
  if (!selected) deal_->setEnabled(false);
}

void NewSpreadPage::ShowShuffled(int count) {
  deal_->setEnabled(true);
  shuffle_->setText(QStringLiteral("Shuffle [%1]").arg(count));
}

void NewSpreadPage::ShowDealt() {
  deal_->setEnabled(false);
  shuffle_->setText(QStringLiteral("Shuffle"));
}

void NewSpreadPage::ShowPreview(const std::string& path) { preview_->Navigate(path); }

}  // namespace sibylon
