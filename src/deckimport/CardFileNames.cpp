#include "deckimport/CardFileNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <utility>

#include "deck/CardCatalogue.h"

namespace sibylon {
namespace {

constexpr int kTrumpCount = 22;
constexpr int kSuitCount = 4;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLetter(char c) { return IsLower(c) || IsUpper(c); }

// The trumps by name, as decks and scans spell them; words joined by "_", without "the".
const std::map<std::string, int, std::less<>>& TrumpNames() {
  static const std::map<std::string, int, std::less<>> names = {
      {"fool", 21},   {"madman", 21},        {"magician", 1},   {"magus", 1},
      {"mage", 1},    {"high_priestess", 2}, {"priestess", 2},  {"popess", 2},
      {"empress", 3}, {"emperor", 4},        {"hierophant", 5}, {"high_priest", 5},
      {"pope", 5},    {"lovers", 6},         {"lover", 6},      {"chariot", 7},
      {"justice", 8}, {"adjustment", 8},     {"hermit", 9},     {"wheel_of_fortune", 10},
      {"wheel", 10},  {"fortune", 10},       {"strength", 11},  {"force", 11},
      {"lust", 11},   {"hanged_man", 12},    {"hanged", 12},    {"hangedman", 12},
      {"death", 13},  {"temperance", 14},    {"art", 14},       {"devil", 15},
      {"tower", 16},  {"star", 17},          {"stars", 17},     {"moon", 18},
      {"sun", 19},    {"judgement", 20},     {"judgment", 20},  {"last_judgement", 20},
      {"aeon", 20},   {"world", 22},         {"universe", 22},
  };
  return names;
}

// Suit words, each with its suit 0..3.
const std::map<std::string, int, std::less<>>& SuitWords() {
  static const std::map<std::string, int, std::less<>> words = {
      {"wands", 0},    {"wand", 0},    {"rods", 0},   {"rod", 0},   {"staves", 0},
      {"staffs", 0},   {"staff", 0},   {"batons", 0}, {"cups", 1},  {"cup", 1},
      {"chalices", 1}, {"chalice", 1}, {"swords", 2}, {"sword", 2}, {"pentacles", 3},
      {"pentacle", 3}, {"coins", 3},   {"coin", 3},   {"disks", 3}, {"disk", 3},
      {"discs", 3},    {"disc", 3},
  };
  return words;
}

// Rank words, each with its rank 1..14; the court cards as decks name them.
const std::map<std::string, int, std::less<>>& RankWords() {
  static const std::map<std::string, int, std::less<>> words = {
      {"ace", 1},     {"one", 1},     {"two", 2},       {"three", 3},  {"four", 4},
      {"five", 5},    {"six", 6},     {"seven", 7},     {"eight", 8},  {"nine", 9},
      {"ten", 10},    {"page", 11},   {"princess", 11}, {"knave", 11}, {"jack", 11},
      {"knight", 12}, {"prince", 12}, {"queen", 13},    {"king", 14},
  };
  return words;
}

// The scan names: two letters of the suit, two of the court card.
int SuitOfCode(std::string_view code) {
  static constexpr std::array<std::string_view, kSuitCount> codes = {"wa", "cu", "sw", "pe"};
  const auto found = std::find(codes.begin(), codes.end(), code);
  return found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
}

int RankOfCourtCode(std::string_view code) {
  static constexpr std::array<std::string_view, 4> codes = {"pa", "kn", "qu", "ki"};
  const auto found = std::find(codes.begin(), codes.end(), code);
  return found == codes.end() ? -1 : 11 + static_cast<int>(found - codes.begin());
}

bool IsNumber(const std::string& word) { return !word.empty() && IsDigit(word.front()); }

template <typename Map>
int Lookup(const Map& map, std::string_view key) {
  const auto found = map.find(key);
  return found == map.end() ? -1 : found->second;
}

SourceCard ScanName(const std::vector<std::string>& words) {
  if (words.size() == 2 && words[0] == "ar") {
    const int trump = SmallNumber(words[1]);
    if (trump >= 0 && trump < kTrumpCount) return SourceCard{-1, trump};
    return {};
  }
  if (words.size() == 2) {
    const int suit = SuitOfCode(words[0]);
    if (suit < 0) return {};
    int rank = SmallNumber(words[1]);
    if (rank < 0) rank = RankOfCourtCode(words[1]);
    return MinorCard(suit, rank);
  }
  // "SWQU" in capitals is one word.
  if (words.size() == 1 && words[0].size() == 4) {
    const int suit = SuitOfCode(std::string_view(words[0]).substr(0, 2));
    const int rank = RankOfCourtCode(std::string_view(words[0]).substr(2));
    if (suit >= 0 && rank > 0) return MinorCard(suit, rank);
  }
  return {};
}

// "art" (Temperance in some decks) also ends names such as "cover_art": it counts only as the
// whole name.
bool WholeNameOnly(std::string_view key) { return key == "art"; }

SourceCard WordsName(const std::vector<std::string>& all, bool whole) {
  std::vector<std::string> words;
  for (const std::string& word : all) {
    if (word != "the") words.push_back(word);
  }
  int suit = -1;
  int rank = -1;
  int ranks = 0;
  int suits = 0;
  std::vector<int> numbers;
  int number_after_suit = -1;
  bool other = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (const int s = Lookup(SuitWords(), word); s >= 0) {
      suit = s;
      ++suits;
      if (i + 1 < words.size()) number_after_suit = SmallNumber(words[i + 1]);
    } else if (const int r = Lookup(RankWords(), word); r > 0) {
      rank = r;
      ++ranks;
    } else if (IsNumber(word)) {
      numbers.push_back(SmallNumber(word));
    } else if (word != "of") {
      other = true;
    }
  }
  if (suits > 0) {
    if (suits > 1 || ranks > 1 || other) return {};
    if (ranks == 0) {
      if (numbers.size() == 1) {
        rank = numbers.front();
      } else {
        rank = number_after_suit;
      }
    }
    return MinorCard(suit, rank);
  }
  // A trump's name; numbers beside it are the deck's own numbering, which the name overrules.
  std::string key;
  for (const std::string& word : words) {
    if (IsNumber(word)) continue;
    if (!key.empty()) key += '_';
    key += word;
  }
  if (!whole && WholeNameOnly(key)) return {};
  const int card = Lookup(TrumpNames(), key);
  return card > 0 ? SourceCard{card, -1} : SourceCard{};
}

}  // namespace

int CardOfTrump(int trump, TrumpOrder order) {
  if (trump < 0 || trump >= kTrumpCount) return -1;
  if (trump == 0) return 21;   // the Fool
  if (trump == 21) return 22;  // the World
  if (order == TrumpOrder::kStrengthEight) {
    if (trump == 8) return 11;
    if (trump == 11) return 8;
  }
  return trump;
}

int PlaceCard(SourceCard source, TrumpOrder order) {
  if (source.card > 0) return source.card;
  return CardOfTrump(source.trump, order);
}

SourceCard MinorCard(int suit, int rank) {
  if (suit < 0 || suit >= kSuitCount || rank < 1 || rank > kSuitSize) return {};
  return SourceCard{kFirstSuitCard + suit * kSuitSize + rank - 1, -1};
}

SourceCard CardOfPosition(int position) {
  if (position < 0) return {};
  if (position < kTrumpCount) return SourceCard{-1, position};
  const int minor = position - kTrumpCount;
  return MinorCard(minor / kSuitSize, minor % kSuitSize + 1);
}

std::vector<std::string> NameWords(std::string_view stem) {
  std::vector<std::string> words;
  std::string word;
  auto end_word = [&] {
    if (!word.empty()) words.push_back(std::exchange(word, std::string()));
  };
  char previous = '\0';
  for (const char c : stem) {
    if (!IsLetter(c) && !IsDigit(c)) {
      end_word();
    } else {
      const bool letter_digit_change = !word.empty() && IsDigit(c) != IsDigit(previous);
      const bool camel = IsUpper(c) && IsLower(previous);
      if (letter_digit_change || camel) end_word();
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    previous = c;
  }
  end_word();
  return words;
}

SourceCard CardOfName(std::string_view stem) {
  const std::vector<std::string> words = NameWords(stem);
  for (std::size_t start = 0; start < words.size(); ++start) {
    const std::vector<std::string> rest(words.begin() + static_cast<std::ptrdiff_t>(start),
                                        words.end());
    if (const SourceCard scan = ScanName(rest); scan.Known()) return scan;
    if (const SourceCard named = WordsName(rest, start == 0); named.Known()) return named;
  }
  return {};
}

bool NamesCardBack(std::string_view stem) {
  for (const std::string& word : NameWords(stem)) {
    if (word == "back" || word == "backs" || word == "cardback" || word == "backside") return true;
  }
  return false;
}

NumberedName NumberOfName(std::string_view stem) {
  const auto first = std::find_if(stem.begin(), stem.end(), IsDigit);
  if (first == stem.end()) return {};
  const auto last = std::find_if_not(first, stem.end(), IsDigit);
  if (std::find_if(last, stem.end(), IsDigit) != stem.end()) return {};
  const int number = SmallNumber(std::string_view(&*first, static_cast<std::size_t>(last - first)));
  if (number < 0) return {};
  return {true, LowerAscii(stem.substr(0, static_cast<std::size_t>(first - stem.begin()))), number};
}

int RankOfOpenDeckName(std::string_view stem) {
  const std::string name = LowerAscii(stem);
  for (int rank = 1; rank <= kSuitSize; ++rank) {
    if (name == OpenDeckRankName(rank)) return rank;
  }
  const int number = SmallNumber(name);
  return number >= 1 && number <= kSuitSize ? number : -1;
}

int SuitOfOpenDeckFolder(std::string_view name) {
  const std::string lower = LowerAscii(name);
  for (int suit = 0; suit < kSuitCount; ++suit) {
    if (lower == OpenDeckSuitName(suit)) return suit;
  }
  return -1;
}

const char* OpenDeckSuitName(int suit) {
  static constexpr const char* names[kSuitCount] = {"wands", "cups", "swords", "pentacles"};
  return suit >= 0 && suit < kSuitCount ? names[suit] : "";
}

const char* OpenDeckRankName(int rank) {
  static constexpr const char* names[kSuitSize] = {"ace",  "two",    "three", "four", "five",
                                                   "six",  "seven",  "eight", "nine", "ten",
                                                   "page", "knight", "queen", "king"};
  return rank >= 1 && rank <= kSuitSize ? names[rank - 1] : "";
}

int SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 3) return -1;
  int value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace sibylon
