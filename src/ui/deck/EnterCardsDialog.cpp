#include "ui/deck/EnterCardsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "base/FoldText.h"
#include "deck/CardCatalogue.h"
#include "ui/deck/CardTableSketch.h"
#include "ui/widgets/CardGroupName.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {
namespace {

// Text as the chooser compares it: as the journal's search does.
QString Folded(const QString& text) { return ToQString(FoldForSearch(ToBytes(text))); }

bool IsNumber(const QString& word) {
  return !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
  });
}

}  // namespace

EnterCardsDialog::EnterCardsDialog(CardEntrySpread spread, Deal deal, QWidget* parent)
    : QDialog(parent),
      spread_(std::move(spread)),
      deal_(std::move(deal)),
      laid_(spread_.places.size()) {
  setObjectName(QStringLiteral("EnterCardsDialog"));
  setWindowTitle(Tr("Enter Cards: %1", "Ввести карты: %1").arg(ToQString(spread_.name)));
  spread_.titles.resize(kCardCount);
  spread_.meanings.resize(spread_.places.size());
  for (int card = 0; card < kCardCount; ++card) {
    haystacks_.push_back(Folded(ToQString(spread_.titles[static_cast<std::size_t>(card)]) +
                                QLatin1Char(' ') + GroupName(GroupOf(card))));
  }

  auto* layout = new QGridLayout(this);
  positions_ = new QTableWidget(static_cast<int>(laid_.size()), 3, this);
  positions_->setObjectName(QStringLiteral("EnterCardsPositions"));
  positions_->setAccessibleName(Tr("Positions", "Позиции"));
  positions_->setHorizontalHeaderLabels(
      {QStringLiteral("#"), Tr("Meaning", "Значение"), Tr("Card", "Карта")});
  positions_->verticalHeader()->hide();
  positions_->verticalHeader()->setDefaultSectionSize(20);
  positions_->setSelectionBehavior(QAbstractItemView::SelectRows);
  positions_->setSelectionMode(QAbstractItemView::SingleSelection);
  positions_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  positions_->setWordWrap(false);
  positions_->setColumnWidth(0, 28);
  positions_->setColumnWidth(1, 170);
  positions_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(positions_, 0, 0, 6, 1);

  sketch_ = new CardTableSketch(spread_.places, this);
  sketch_->setObjectName(QStringLiteral("EnterCardsTable"));
  sketch_->setAccessibleName(Tr("Card table", "Стол расклада"));
  layout->addWidget(sketch_, 0, 1, 1, 2);
  position_ = NamedLabel("EnterCardsPosition", QString(), this);
  position_->setWordWrap(true);
  layout->addWidget(position_, 1, 1, 1, 2);
  QLabel* card_label = NamedLabel("EnterCardsCardLabel", Tr("Card:", "Карта:"), this);
  card_ = NamedEdit("EnterCardsCard", QString(), this);
  card_->setPlaceholderText(Tr("Title, number or suit", "Название, номер или масть"));
  card_label->setBuddy(card_);
  layout->addWidget(card_label, 2, 1);
  layout->addWidget(card_, 2, 2);
  found_ = NamedList("EnterCardsFound", this);
  found_->setAccessibleName(Tr("Cards found", "Найденные карты"));
  found_->setFocusPolicy(Qt::ClickFocus);  // the arrows of the card field move in it
  layout->addWidget(found_, 3, 1, 1, 2);
  reversed_ = NamedCheckBox("EnterCardsReversed", Tr("&Reversed", "&Перевёрнута"), false, this);
  reversed_->setVisible(spread_.deck.reversed);
  layout->addWidget(reversed_, 4, 1, 1, 2);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("EnterCardsOk"));
  buttons_->button(QDialogButtonBox::Ok)->setText(Tr("OK", "ОК"));
  buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("EnterCardsCancel"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(Tr("Cancel", "Отмена"));
  layout->addWidget(buttons_, 6, 0, 1, 3);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(0, 1);
  layout->setColumnMinimumWidth(0, 330);

  QWidget::setTabOrder(card_, reversed_);
  QWidget::setTabOrder(reversed_, positions_);
  QWidget::setTabOrder(positions_, buttons_);
  card_->installEventFilter(this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &EnterCardsDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &EnterCardsDialog::reject);
  OnUserAction(card_, &QLineEdit::textChanged, this, &EnterCardsDialog::FindCards);
  OnUserAction(reversed_, &QCheckBox::toggled, this, &EnterCardsDialog::ReversedToggled);
  OnUserAction(positions_, &QTableWidget::currentCellChanged, this,
               [this](int row, int, int, int) { SetCurrentPosition(row); });
  OnUserAction(found_, &QListWidget::itemActivated, this, [this] { LayChosenCard(); });

  ShowPositions();
  SetCurrentPosition(0);
  resize(720, 440);
  card_->setFocus();
}

std::vector<int> EnterCardsDialog::FoundCards() const {
  std::vector<int> found;
  for (int row = 0; row < found_->count(); ++row) {
    found.push_back(found_->item(row)->data(Qt::UserRole).toInt());
  }
  return found;
}

void EnterCardsDialog::SetCurrentPosition(int position) {
  if (position < 0 || position >= static_cast<int>(laid_.size())) return;
  current_ = position;
  const LaidCard& laid = laid_[static_cast<std::size_t>(position)];
  {
    const QSignalBlocker quiet(positions_);
    positions_->setCurrentCell(position, 0);
  }
  {
    const QSignalBlocker quiet(reversed_);
    reversed_->setChecked(laid.reversed && laid.card != 0);
  }
  const QString meaning = ToQString(spread_.meanings[static_cast<std::size_t>(position)]);
  position_->setText(Tr("Position %1 of %2: %3", "Позиция %1 из %2: %3")
                         .arg(position + 1)
                         .arg(laid_.size())
                         .arg(meaning));
  sketch_->SetCurrent(position);
  const QSignalBlocker quiet(card_);
  card_->clear();
  FindCards();
}

void EnterCardsDialog::FindCards() {
  found_->clear();
  if (laid_.empty()) return;
  const QStringList words = Folded(card_->text()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  std::vector<int> found;
  for (int card : OfferedCards(spread_.deck, laid_, static_cast<std::size_t>(current_))) {
    const bool all = std::all_of(words.begin(), words.end(), [&](const QString& word) {
      if (IsNumber(word)) {
        // A number is the card's own, or the rank of a suit card ("2 cups").
        const int number = word.toInt();
        return number == card || (GroupOf(card) > CardGroup::kMajor && number == RankOf(card));
      }
      return haystacks_[static_cast<std::size_t>(card)].contains(word);
    });
    if (all) found.push_back(card);
  }
  // A number typed alone finds its own card first.
  if (words.size() == 1 && IsNumber(words.first())) {
    const auto own = std::find(found.begin(), found.end(), words.first().toInt());
    if (own != found.end()) std::rotate(found.begin(), own, own + 1);
  }
  for (int card : found) {
    auto* item =
        new QListWidgetItem(QStringLiteral("%1 (%2)")
                                .arg(ToQString(spread_.titles[static_cast<std::size_t>(card)]))
                                .arg(card),
                            found_);
    item->setData(Qt::UserRole, card);
  }
  // The position's own card stays chosen while nothing is typed.
  int chosen = 0;
  const int own = laid_[static_cast<std::size_t>(current_)].card;
  if (card_->text().isEmpty() && own != LaidCard::kNone) {
    chosen =
        std::max(0, static_cast<int>(std::find(found.begin(), found.end(), own) - found.begin()));
    if (chosen >= found_->count()) chosen = 0;
  }
  if (found_->count() > 0) found_->setCurrentRow(chosen);
}

void EnterCardsDialog::LayChosenCard() {
  const QListWidgetItem* chosen = found_->currentItem();
  if (!chosen) return;
  LaidCard& laid = laid_[static_cast<std::size_t>(current_)];
  laid.card = chosen->data(Qt::UserRole).toInt();
  laid.reversed = laid.card != 0 && spread_.deck.reversed && reversed_->isChecked();
  ShowPositions();
  // On to the next position that holds no card, after this one and then from the start.
  const int count = static_cast<int>(laid_.size());
  for (int step = 1; step <= count; ++step) {
    const int next = (current_ + step) % count;
    if (laid_[static_cast<std::size_t>(next)].card == LaidCard::kNone) {
      SetCurrentPosition(next);
      return;
    }
  }
  SetCurrentPosition(current_);
  buttons_->button(QDialogButtonBox::Ok)->setFocus();  // every position holds a card: Enter is OK
}

void EnterCardsDialog::ReversedToggled(bool on) {
  LaidCard& laid = laid_[static_cast<std::size_t>(current_)];
  if (laid.card == LaidCard::kNone || laid.card == 0) return;
  laid.reversed = on;
  ShowPositions();
}

QString EnterCardsDialog::CardText(const LaidCard& laid) const {
  if (laid.card == LaidCard::kNone) return QString();
  QString text = ToQString(spread_.titles[static_cast<std::size_t>(laid.card)]);
  if (laid.reversed) text += Tr(" (reversed)", " (перевёрнута)");
  return text;
}

void EnterCardsDialog::ShowPositions() {
  std::vector<bool> laid;
  for (std::size_t i = 0; i < laid_.size(); ++i) {
    const int row = static_cast<int>(i);
    positions_->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
    // A long meaning is cut short here; the line above the card field shows it whole.
    auto* meaning = new QTableWidgetItem(ToQString(spread_.meanings[i]));
    meaning->setToolTip(meaning->text());
    positions_->setItem(row, 1, meaning);
    positions_->setItem(row, 2, new QTableWidgetItem(CardText(laid_[i])));
    laid.push_back(laid_[i].card != LaidCard::kNone);
  }
  sketch_->SetLaid(laid);
  buttons_->button(QDialogButtonBox::Ok)
      ->setEnabled(std::all_of(laid.begin(), laid.end(), [](bool on) { return on; }));
}

bool EnterCardsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != card_) return QDialog::eventFilter(watched, event);
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
    return QDialog::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
  // The mnemonic of "Reversed" turns the card over at once, the typing going on in the field.
  const bool turn = reversed_->isVisible() && QKeySequence(key->keyCombination()) ==
                                                  QKeySequence::mnemonic(reversed_->text());
  const int code = key->key();
  const bool ours = turn || code == Qt::Key_Up || code == Qt::Key_Down || code == Qt::Key_PageUp ||
                    code == Qt::Key_PageDown || code == Qt::Key_Return || code == Qt::Key_Enter;
  if (!ours) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();  // the key comes to the field, not to a shortcut
    return true;
  }
  Guarded(this, [&] {
    if (turn) {
      reversed_->toggle();
    } else if (code == Qt::Key_Up || code == Qt::Key_Down) {
      const int row = found_->currentRow() + (code == Qt::Key_Up ? -1 : 1);
      if (row >= 0 && row < found_->count()) found_->setCurrentRow(row);
    } else if (code == Qt::Key_PageUp || code == Qt::Key_PageDown) {
      SetCurrentPosition(current_ + (code == Qt::Key_PageUp ? -1 : 1));
    } else {
      LayChosenCard();
    }
  });
  return true;
}

void EnterCardsDialog::accept() {
  if (Guarded(this, [this] { deal_(LaidCardLists(spread_.deck, laid_)); })) QDialog::accept();
}

}  // namespace sibylon
