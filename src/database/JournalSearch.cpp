#include "database/JournalSearch.h"

#include "base/FoldText.h"

namespace sibylon {
namespace {

bool Contains(const std::string& haystack, const std::string& needle) {
  return needle.empty() || haystack.find(needle) != std::string::npos;
}

}  // namespace

std::string SearchHaystack(const JournalEntry& entry, const std::vector<std::string>& titles) {
  if (!entry.readable) return FoldForSearch(entry.file);
  std::string text = entry.person + "\n" + entry.spread + "\n" + entry.text + "\n" + entry.file;
  for (const FallenCard& card : entry.cards) {
    if (card.card >= 0 && static_cast<std::size_t>(card.card) < titles.size()) {
      text += "\n" + titles[static_cast<std::size_t>(card.card)];
    }
  }
  return FoldForSearch(text);
}

namespace {

// A query's texts, folded once for all the entries it is matched against.
JournalQuery Folded(JournalQuery query) {
  query.text = FoldForSearch(query.text);
  query.person = FoldForSearch(query.person);
  query.spread = FoldForSearch(query.spread);
  return query;
}

bool MatchesFolded(const JournalEntry& entry, const std::string& haystack,
                   const JournalQuery& query) {
  if (!Contains(haystack, query.text)) return false;
  const bool filtered =
      !query.person.empty() || !query.spread.empty() || query.card || query.from || query.to;
  if (!entry.readable) return !filtered;
  if (!query.person.empty() && FoldForSearch(entry.person) != query.person) return false;
  if (!query.spread.empty() && FoldForSearch(entry.spread) != query.spread) return false;
  if (query.from && entry.minute < *query.from) return false;
  if (query.to && entry.minute > *query.to) return false;
  if (query.card) {
    bool fell = false;
    for (const FallenCard& card : entry.cards) {
      if (card.card == *query.card &&
          (query.orientation.empty() || card.orientation == query.orientation)) {
        fell = true;
        break;
      }
    }
    if (!fell) return false;
  }
  return true;
}

}  // namespace

bool Matches(const JournalEntry& entry, const std::string& haystack, const JournalQuery& query) {
  return MatchesFolded(entry, haystack, Folded(query));
}

std::vector<std::size_t> FilterJournal(const std::vector<JournalEntry>& entries,
                                       const std::vector<std::string>& haystacks,
                                       const JournalQuery& query) {
  const JournalQuery folded = Folded(query);
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (MatchesFolded(entries[i], haystacks[i], folded)) shown.push_back(i);
  }
  return shown;
}

}  // namespace sibylon
