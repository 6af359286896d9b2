#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FoldText.h"
#include "database/JournalEntry.h"

namespace sibylon {

// What the journal's search field and filters ask for. Empty fields ask for nothing.
struct JournalQuery {
  std::string text;         // found in the person, question, spread, comments or card titles
  std::string person;       // the person, equal after folding
  std::string spread;       // the spread, equal after folding
  std::optional<int> card;  // a card that fell in the reading
  std::string orientation;  // with this orientation word, if not empty
  std::optional<std::int64_t> from, to;  // minute stamps, both ends included
};

// What one entry offers to the search, folded once: the text of the search field's fields with
// the titles (of the title list given) of the cards that fell.
std::string SearchHaystack(const JournalEntry& entry, const std::vector<std::string>& titles);

// Whether `entry`, with its haystack, is let through by `query`. An unreadable entry is matched
// by its file name only, and by no card, person, spread or date filter.
bool Matches(const JournalEntry& entry, const std::string& haystack, const JournalQuery& query);

// The indexes of the entries that `query` lets through, in their order. `haystacks` are the
// entries' SearchHaystack texts.
std::vector<std::size_t> FilterJournal(const std::vector<JournalEntry>& entries,
                                       const std::vector<std::string>& haystacks,
                                       const JournalQuery& query);

}  // namespace sibylon
