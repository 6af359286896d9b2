#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "database/JournalEntry.h"
#include "deck/CardCatalogue.h"

namespace sibylon {

// A card that returned, with how often chance alone would have dealt it in the same readings.
struct ReturningCard {
  int card = 0;
  int count = 0;
  double expected = 0;
};

// The cards of one group (the major cards or one suit), against what chance would give.
struct GroupShare {
  CardGroup group = CardGroup::kMajor;
  int count = 0;
  double expected = 0;
};

// What the readings let through by the filters show.
struct JournalStatistics {
  int readings = 0;                                   // readable readings counted
  int skipped = 0;                                    // files that are no readings, left out
  int blanks = 0;                                     // blank cards that fell
  std::array<int, kCardCount> upright{}, reversed{};  // by card number; blank cards in neither
  std::vector<ReturningCard> most_returned;           // the ten that fell most, most first
  std::array<GroupShare, 5> groups{};                 // major, wands, cups, swords, coins
  double reversed_share = 0;                          // reversed among the cards that are not blank
  std::vector<std::pair<std::string, int>> readings_per_month;  // "yyyy-mm", in time order
};

// The statistics of `entries[i]` for every i of `shown`. Chance deals each card that is not blank
// from the deck part of its reading (JournalEntry::deck_part), every card of the part alike: a
// card of the part is expected (cards of the reading that are not blank) / (cards of the part)
// times per reading.
JournalStatistics ComputeJournalStatistics(const std::vector<JournalEntry>& entries,
                                           const std::vector<std::size_t>& shown);

}  // namespace sibylon
