#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "deck/CardEntry.h"
#include "deck/CardTitles.h"
#include "srml/SpreadDefinition.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace sibylon {

class CardTableSketch;

// What the dialog shows of a spread and of the deck.
struct CardEntrySpread {
  std::string name;
  std::vector<std::string> meanings;             // one per position ("" where the spread has none)
  std::vector<std::optional<CardPlace>> places;  // where each lies on the card table, if readable
  EntryDeck deck;
  CardTitleList titles;  // the titles of the title list in use
};

// "Enter Cards": the cards of a reading laid with a deck of the user's own, position by position.
// A card is found by typing part of its title, its number or its suit; the arrows choose among the
// cards found and Enter lays the chosen one and goes on to the next position. Reversed is offered
// only where the deck has reversed cards; a card already laid is offered again only where cards
// repeat. OK is enabled once every position holds a card, and hands the cards to `deal`; a deal
// that fails keeps the dialog open with the cards as they are.
class EnterCardsDialog : public QDialog {
  Q_OBJECT

 public:
  using Deal = std::function<void(const ShuffleResult& laid)>;
  EnterCardsDialog(CardEntrySpread spread, Deal deal, QWidget* parent = nullptr);

  // The cards laid so far, one per position.
  const std::vector<LaidCard>& Laid() const { return laid_; }
  // The position being laid, from 0.
  int CurrentPosition() const { return current_; }
  void SetCurrentPosition(int position);
  // The cards the chooser offers now for the text typed, in the order shown.
  std::vector<int> FoundCards() const;

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FindCards();
  void LayChosenCard();
  void ReversedToggled(bool on);
  void ShowPositions();
  QString CardText(const LaidCard& laid) const;

  CardEntrySpread spread_;
  Deal deal_;
  std::vector<LaidCard> laid_;
  int current_ = 0;
  std::vector<QString> haystacks_;  // per card: its title and group, folded for the search

  QTableWidget* positions_ = nullptr;  // EnterCardsPositions
  CardTableSketch* sketch_ = nullptr;  // EnterCardsTable
  QLabel* position_ = nullptr;         // EnterCardsPosition
  QLineEdit* card_ = nullptr;          // EnterCardsCard
  QListWidget* found_ = nullptr;       // EnterCardsFound
  QCheckBox* reversed_ = nullptr;      // EnterCardsReversed
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace sibylon
