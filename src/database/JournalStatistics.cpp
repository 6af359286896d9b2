#include "database/JournalStatistics.h"

#include <algorithm>
#include <map>

namespace sibylon {
namespace {

bool InPart(int card, DeckPart part) {
  if (card == 0) return false;
  switch (part) {
    case DeckPart::kMajor:
      return card < kFirstSuitCard;
    case DeckPart::kMinor:
      return card >= kFirstSuitCard;
    case DeckPart::kAll:
      return true;
  }
  return false;
}

int PartSize(DeckPart part) {
  return part == DeckPart::kMajor   ? kFirstSuitCard - 1
         : part == DeckPart::kMinor ? kCardCount - kFirstSuitCard
                                    : kCardCount - 1;
}

std::size_t GroupIndex(CardGroup group) { return static_cast<std::size_t>(group) - 1; }

}  // namespace

JournalStatistics ComputeJournalStatistics(const std::vector<JournalEntry>& entries,
                                           const std::vector<std::size_t>& shown) {
  JournalStatistics stats;
  for (std::size_t i = 0; i < stats.groups.size(); ++i) {
    stats.groups[i].group = static_cast<CardGroup>(i + 1);
  }
  std::array<double, kCardCount> expected{};
  std::map<std::string, int> months;
  int oriented = 0, reversed = 0;
  for (const std::size_t index : shown) {
    const JournalEntry& entry = entries[index];
    if (!entry.readable) {
      ++stats.skipped;
      continue;
    }
    ++stats.readings;
    ++months[MonthOf(entry.minute)];
    int dealt = 0;
    for (const FallenCard& fallen : entry.cards) {
      if (fallen.card == 0) {
        ++stats.blanks;
        continue;
      }
      ++dealt;
      ++oriented;
      const auto card = static_cast<std::size_t>(fallen.card);
      if (fallen.orientation == "reversed") {
        ++stats.reversed[card];
        ++reversed;
      } else {
        ++stats.upright[card];
      }
      ++stats.groups[GroupIndex(GroupOf(fallen.card))].count;
    }
    const double per_card = static_cast<double>(dealt) / PartSize(entry.deck_part);
    for (int card = 1; card < kCardCount; ++card) {
      if (!InPart(card, entry.deck_part)) continue;
      expected[static_cast<std::size_t>(card)] += per_card;
      stats.groups[GroupIndex(GroupOf(card))].expected += per_card;
    }
  }
  std::vector<ReturningCard> cards;
  for (int card = 1; card < kCardCount; ++card) {
    const auto at = static_cast<std::size_t>(card);
    const int count = stats.upright[at] + stats.reversed[at];
    if (count > 0) cards.push_back({card, count, expected[at]});
  }
  std::stable_sort(cards.begin(), cards.end(), [](const ReturningCard& a, const ReturningCard& b) {
    return a.count > b.count;
  });
  if (cards.size() > 10) cards.resize(10);
  stats.most_returned = std::move(cards);
  stats.reversed_share = oriented > 0 ? static_cast<double>(reversed) / oriented : 0;
  stats.readings_per_month.assign(months.begin(), months.end());
  return stats;
}

}  // namespace sibylon
