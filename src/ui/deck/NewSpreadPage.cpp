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

namespace sibylon {

NewSpreadPage::NewSpreadPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet2"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);

  QGroupBox* inputs =
      NamedGroupBox("GroupBox3", QStringLiteral("Information for the spread"), this);
  inputs->setFixedWidth(300);  // room for the three deal buttons side by side
  auto* column = new QVBoxLayout(inputs);
  name = LabeledEdit("LabeledEdit1", QStringLiteral("Enter Your Name:"), QString(), inputs);
  column->addWidget(EditLabel(name));
  column->addWidget(name);
  remember_name = NamedCheckBox("CheckBox2", QStringLiteral("Remember Name"), false, inputs);
  column->addWidget(remember_name);
  column->addSpacing(6);
  QLabel* question_label =
      NamedLabel("Label1", QStringLiteral("Put a Question Before the Cards:"), inputs);
  column->addWidget(question_label);
  question = new QPlainTextEdit(inputs);
  question->setObjectName(QStringLiteral("Memo3"));
  question->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  question->setTabChangesFocus(true);
  question_label->setBuddy(question);
  column->addWidget(question, 1);
  auto* buttons = new QHBoxLayout;
  shuffle = NamedButton("ButtonShuffle", QStringLiteral("Shuffle"), inputs);
  deal = NamedButton("ButtonDeal", QStringLiteral("Deal"), inputs);
  deal->setEnabled(false);
  shuffle_and_deal = NamedButton("Button2", QStringLiteral("Shuffle and Deal"), inputs);
  shuffle_and_deal->setDefault(true);
  buttons->addWidget(shuffle);
  buttons->addWidget(deal);
  buttons->addWidget(shuffle_and_deal, 1);
  column->addLayout(buttons);
  layout->addWidget(inputs);

  QGroupBox* choice = NamedGroupBox("GroupBox4", QStringLiteral("Select a Spread"), this);
  auto* right = new QVBoxLayout(choice);
  spreads = NamedList("ListBox3", choice);
  spreads->setSortingEnabled(true);
  spreads->setFixedHeight(150);
  NameAfter(spreads, {choice});
  right->addWidget(spreads);
  preview = new HtmlView(choice);
  preview->setObjectName(QStringLiteral("CppWebBrowser2"));
  right->addWidget(preview, 1);
  layout->addWidget(choice, 1);

  // Tab follows a reading's flow: who asks, what, which spread, then the deal.
  QWidget* const order[] = {name,    remember_name, question,         spreads,
                            shuffle, deal,          shuffle_and_deal, preview};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

std::optional<std::string> NewSpreadPage::SelectedSpread() const {
  const auto selected = spreads->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return ToBytes(selected.first()->text());
}

std::vector<std::string> NewSpreadPage::QuestionLines() const {
  return HardLines(question->toPlainText());
}

void NewSpreadPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit Shown();
}

}  // namespace sibylon
