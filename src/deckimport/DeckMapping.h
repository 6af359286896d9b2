#pragma once

#include <array>
#include <string>

#include "deck/CardCatalogue.h"
#include "deckimport/DeckScan.h"

namespace sibylon {

// Where the picture of one of the program's cards comes from.
struct CardSource {
  std::string picture;    // relative to the chosen folder; empty when the deck has none
  std::string reversed;   // the deck's own reversed picture; empty: the upright one turned
  std::string deck_name;  // the deck's own name of the card (its name table), if any
};

// The deck's pictures placed on the program's card numbers.
struct DeckMapping {
  std::array<CardSource, kCardCount> cards;  // entry 0: the blank card, from the card back
  // Whether any card is placed by its traditional trump number VIII or XI, so that the trump
  // order changes the result.
  bool order_matters = false;

  // The cards 1..78 without a picture.
  int MissingCount() const;
};

// Places every picture found by the trump order; of two pictures for one card the first is
// taken.
DeckMapping MapDeck(const DeckScan& scan, TrumpOrder order);

}  // namespace sibylon
