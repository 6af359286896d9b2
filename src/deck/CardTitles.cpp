#include "deck/CardTitles.h"

#include "base/AppError.h"
#include "deck/CardCatalogue.h"

namespace sibylon {

TitleSet InitialTitleSet() {
  TitleSet set;
  static constexpr const char* kRankWords[] = {"Ace", "Two",   "Three", "Four", "Five",
                                               "Six", "Seven", "Eight", "Nine", "Ten"};
  for (int rank = 1; rank <= 10; ++rank) set[kFirstRankWord + rank - 1] = kRankWords[rank - 1];
  set[kDivider] = "of";
  return set;
}

const char* TitleFieldName(int index) {
  static constexpr std::array<const char*, kTitleFieldCount> kNames = {
      "t0",  "t1",  "t2",  "t3",  "t4",  "t5",        "t6",       "t7",         "t8",
      "t9",  "t10", "t11", "t12", "t13", "t14",       "t15",      "t16",        "t17",
      "t18", "t19", "t20", "t21", "t22", "EditWands", "EditCups", "EditSwords", "EditCoins",
      "m1",  "m2",  "m3",  "m4",  "m5",  "m6",        "m7",       "m8",         "m9",
      "m10", "m11", "m12", "m13", "m14", "m0"};
  if (index < 0 || index >= kTitleFieldCount) throw ListIndexOutOfBounds(index);
  return kNames[static_cast<std::size_t>(index)];
}

void ApplyTitleLines(const Lines& lines, TitleSet& set) {
  for (int index = 0; index < kTitleFieldCount; ++index) {
    if (static_cast<std::size_t>(index) >= lines.size()) throw ListIndexOutOfBounds(index);
    set[static_cast<std::size_t>(index)] = lines[static_cast<std::size_t>(index)];
  }
}

void LoadTitleSet(const std::string& path, TitleSet& set) {
  const Lines lines = ReadLinesFile(path);  // nothing is assigned when the file cannot be read
  ApplyTitleLines(lines, set);
}

void SaveTitleSet(const std::string& path, const TitleSet& set) {
  WriteLinesFile(path, Lines(set.begin(), set.end()));
}

CardTitleList ComposeCardTitleList(const TitleSet& set) {
  CardTitleList titles(set.begin(), set.begin() + kFirstSuitCard);
  titles.reserve(kCardCount);
  const std::string& divider = set[kDivider];
  const std::string joint = divider.empty() ? std::string(" ") : " " + divider + " ";
  for (int card = kFirstSuitCard; card < kCardCount; ++card) {
    const int suit = (card - kFirstSuitCard) / kSuitSize;
    const int rank = (card - kFirstSuitCard) % kSuitSize + 1;
    titles.push_back(set[kFirstRankWord + rank - 1] + joint + set[kFirstSuitName + suit]);
  }
  return titles;
}

const std::vector<TitleAlternatives>& TitleAlternativesTable() {
  // Field indexes: t1..t22 are 1..22, the suit names 23..26, m11..m14 37..40.
  static const std::vector<TitleAlternatives> kTable = {
      {1, {"The Magician", "The Mage"}},
      {2, {"The High Priestess", "The Popess"}},
      {3, {"The Empress", "The Nature"}},
      {4, {"The Emperor", "The Master"}},
      {5, {"The High Priest", "The Hierophant", "The Pope"}},
      {6, {"The Lover", "The Lovers", "The Two Ways", "The Two Roads"}},
      {7, {"The Chariot", "The Cart", "The Victory", "The Triumph"}},
      {8, {"Justice", "Adjustment", "Karma"}},
      {9, {"The Hermit", "The Inner Light"}},
      {10, {"The Wheel of Fortune", "The Wheel", "The Fortune"}},
      {11, {"The Force", "Strength", "Lust"}},
      {12, {"The Hanged Man"}},
      {13, {"Death"}},
      {14, {"Temperance", "The Harmony", "Art"}},
      {15, {"The Devil"}},
      {16, {"The Tower", "The House of God"}},
      {17, {"The Star", "The Stars", "The Hope"}},
      {18, {"The Moon"}},
      {19, {"The Sun", "Ra"}},
      {20,
       {"Judgement", "The Judgement Day", "The Last Judgement", "The Aeon", "Resurrection",
        "Rejuvenation"}},
      {21, {"The Fool", "The Foolish Man", "The Madman"}},
      {22, {"The World", "The Universe"}},
      {37, {"Princess", "Page", "Knave", "Daughter", "Sister"}},
      {38, {"Prince", "Knight", "Son", "Brother"}},
      {39, {"Queen", "Mother"}},
      {40, {"King", "Father"}},
      {23, {"Wands", "Rods", "Staffs", "Earth"}},
      {24, {"Cups", "Chalices", "Water"}},
      {25, {"Swords", "Spades", "Knifes", "Wind", "Air"}},
      {26, {"Coins", "Disks", "Pentacles", "Spheres", "Diamonds", "Earth"}},
  };
  return kTable;
}

}  // namespace sibylon
