#include "database/JournalSearch.h"

namespace sibylon {
namespace {

// The base letter of a Latin letter with a diacritic (U+00C0..U+017F), in lower case, or 0.
char LatinBase(char32_t c) {
  static constexpr char kLatin1[] =  // U+00C0..U+00FF
      "aaaaaaaceeeeiiii"
      "dnooooo*ouuuuyts"
      "aaaaaaaceeeeiiii"
      "dnooooo/ouuuuyty";
  static constexpr char kExtendedA[] =  // U+0100..U+017F
      "aaaaaaccccccccdd"
      "ddeeeeeeeeeegggg"
      "gggghhhhiiiiiiii"
      "iiiijjkkklllllll"
      "lllnnnnnnnnnoooo"
      "oooorrrrrrssssss"
      "ssttttttuuuuuuuu"
      "uuuuwwyyyzzzzzzs";
  if (c >= 0xC0 && c <= 0xFF) {
    const char base = kLatin1[c - 0xC0];
    return base == '*' || base == '/' ? 0 : base;
  }
  if (c >= 0x100 && c <= 0x17F) return kExtendedA[c - 0x100];
  return 0;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool Contains(const std::string& haystack, const std::string& needle) {
  return needle.empty() || haystack.find(needle) != std::string::npos;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
      ++i;
      continue;
    }
    // Two-byte sequences hold every letter folded here; longer ones are copied.
    if ((byte & 0xE0) == 0xC0 && i + 1 < text.size() &&
        (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      const char32_t c = (static_cast<char32_t>(byte & 0x1F) << 6) |
                         (static_cast<unsigned char>(text[i + 1]) & 0x3F);
      if (const char base = LatinBase(c)) {
        folded += base;
      } else if (c >= 0x410 && c <= 0x42F) {  // А..Я
        AppendUtf8(folded, c + 0x20);
      } else if (c == 0x401 || c == 0x451) {  // Ё, ё
        AppendUtf8(folded, 0x435);
      } else if (c >= 0x400 && c <= 0x40F) {  // Ѐ..Џ
        AppendUtf8(folded, c + 0x50);
      } else {
        folded.append(text.substr(i, 2));
      }
      i += 2;
      continue;
    }
    folded += text[i];
    ++i;
  }
  return folded;
}

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
