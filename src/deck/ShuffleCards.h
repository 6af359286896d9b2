#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sibylon {

// More blank cards are refused: each one is a pool entry, and an unbounded count would exhaust
// memory.
inline constexpr int kMaxBlankCards = 999;

// The deck options of the "Cards Options" page, as the controls hold them.
struct DeckOptions {
  bool major_only = false;        // RadioButton1: cards 1-22
  bool minor_only = false;        // RadioButton2: cards 23-78
  bool all_cards = true;          // RadioButton3: cards 1-78
  bool reversed = false;          // CheckBoxReversedCards
  bool blanks = false;            // CheckBox1
  std::string blank_count = "1";  // EditBlankCard text, as typed
  bool repeat = false;            // CheckBox5
};

// CardPool as the shuffle leaves it, FortuneList (card number texts in drawing order) and
// MirrorsList (the parallel orientation words "normal", "reversed", "blank").
struct ShuffleResult {
  std::vector<std::string> card_pool, fortune, mirrors;
};

// The blank cards the options add to the pool: none while blank cards are off or the count is 0
// or less. A count that is not an integer fails with "'%s' is not a valid integer value", one
// above kMaxBlankCards with a message that says the bound.
int BlankCardCount(const DeckOptions& options);

// Builds the pool (blank cards first, then the chosen cards in ascending order) and draws all of
// it with the generator seeded by `seed`. Per entry the index draw comes first, then, for a card
// that is not blank and with reversed cards on, the orientation draw (odd: reversed). Without
// repeat every drawn entry leaves the pool. The blank cards are BlankCardCount's, and fail as it
// does.
ShuffleResult ShuffleCards(const DeckOptions& options, std::uint32_t seed);

}  // namespace sibylon
