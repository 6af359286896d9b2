#pragma once

#include <cstddef>
#include <vector>

#include "deck/ShuffleCards.h"

namespace sibylon {

// Cards laid with a deck of the user's own: the deck the options describe, and which of its cards
// can still be laid at a position once others are laid.
struct EntryDeck {
  std::vector<int> cards;  // the chosen part of the deck, ascending: 1-22, 23-78 or 1-78
  int blanks = 0;          // blank cards in the deck; none while blank cards are off
  bool reversed = false;   // a card may lie reversed
  bool repeat = false;     // a card may be laid at more than one position
};

// The deck of the "Cards Options" as the shuffle reads them. A blank count fails as it does in
// the shuffle: not an integer, or more than kMaxBlankCards.
EntryDeck EntryDeckOf(const DeckOptions& options);

// A spread of `positions` cards can be laid from `deck`: without repeat the deck must hold that
// many cards. Fails as a deal from too short a shuffle does, with "List index out of bounds (i)"
// for the first position i (from 0) that no card is left for.
void CheckDeckCovers(const EntryDeck& deck, int positions);

// The card laid at a position, if any, and whether it lies reversed.
struct LaidCard {
  static constexpr int kNone = -1;
  int card = kNone;
  bool reversed = false;
};

// The cards that can lie at position `at` while `laid` lies at every position: the deck's cards
// in ascending order, the blank card first. Without repeat, a card laid at another position is
// not offered again, and the blank card only while fewer blank cards than the deck holds lie
// elsewhere.
std::vector<int> OfferedCards(const EntryDeck& deck, const std::vector<LaidCard>& laid,
                              std::size_t at);

// FortuneList and MirrorsList of the laid cards, as a shuffle leaves them for the deal: the card
// number texts, and "blank" for the blank card, "reversed" for a card reversed in a deck that
// allows it, else "normal". Every position must hold a card ("List index out of bounds (i)" for
// the first empty one).
ShuffleResult LaidCardLists(const EntryDeck& deck, const std::vector<LaidCard>& laid);

}  // namespace sibylon
