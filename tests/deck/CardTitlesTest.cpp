#include <gtest/gtest.h>

#include <map>

#include "base/AppError.h"
#include "deck/CardTitles.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

using test::ErrorOf;

constexpr int kWands = 23, kCups = 24, kSwords = 25, kCoins = 26, kRank1 = 27, kRank11 = 37,
              kDivider = 41;

TitleSet NamedSuits() {
  TitleSet set = InitialTitleSet();
  set[0] = "Blank";
  set[7] = "The Chariot";
  set[kWands] = "Wands";
  set[kCups] = "Cups";
  set[kSwords] = "Swords";
  set[kCoins] = "Coins";
  set[kRank11] = "Page";
  set[kRank11 + 3] = "King";
  return set;
}

TEST(CardTitlesTest, InitialTextsAreTheNumberRanksAndTheDivider) {
  const TitleSet set = InitialTitleSet();
  const char* ranks[] = {"Ace", "Two",   "Three", "Four", "Five",
                         "Six", "Seven", "Eight", "Nine", "Ten"};
  for (int index = 0; index < kTitleFieldCount; ++index) {
    std::string expected;
    if (index >= kRank1 && index < kRank1 + 10) expected = ranks[index - kRank1];
    if (index == kDivider) expected = "of";
    EXPECT_EQ(set[index], expected) << TitleFieldName(index);
  }
}

TEST(CardTitlesTest, FieldNamesFollowTheLineOrder) {
  const std::map<int, std::string> names = {{0, "t0"},         {1, "t1"},        {22, "t22"},
                                            {23, "EditWands"}, {24, "EditCups"}, {25, "EditSwords"},
                                            {26, "EditCoins"}, {27, "m1"},       {36, "m10"},
                                            {37, "m11"},       {40, "m14"},      {41, "m0"}};
  for (const auto& [index, name] : names) EXPECT_EQ(TitleFieldName(index), name) << index;
  EXPECT_EQ(ErrorOf([] { TitleFieldName(42); }), "List index out of bounds (42)");
}

TEST(CardTitlesTest, SuitTitlesAreRankWordDividerAndSuitName) {
  const CardTitleList titles = ComposeCardTitleList(NamedSuits());
  ASSERT_EQ(titles.size(), 79u);
  EXPECT_EQ(titles[0], "Blank");  // the title of every dealt blank card
  EXPECT_EQ(titles[7], "The Chariot");
  EXPECT_EQ(titles[1], "");
  EXPECT_EQ(titles[23], "Ace of Wands");
  EXPECT_EQ(titles[32], "Ten of Wands");
  EXPECT_EQ(titles[33], "Page of Wands");
  EXPECT_EQ(titles[36], "King of Wands");
  EXPECT_EQ(titles[37], "Ace of Cups");
  EXPECT_EQ(titles[51], "Ace of Swords");
  EXPECT_EQ(titles[65], "Ace of Coins");
  EXPECT_EQ(titles[78], "King of Coins");
  EXPECT_EQ(titles[35], " of Wands");  // m13 empty: its space stays
}

TEST(CardTitlesTest, EmptyTextsAreNotTrimmedAway) {
  struct Case {
    const char* what;
    int index;
    const char* text;
    int card;
    const char* title;
  } cases[] = {
      {"empty divider gives one space", kDivider, "", 37, "Ace Cups"},
      {"empty rank word keeps its space", kRank11, "", 33, " of Wands"},
      {"blanks around a suit name stay", kCups, " Cups ", 40, "Four of  Cups "},
      {"empty suit name", kCoins, "", 65, "Ace of "},
  };
  for (const auto& c : cases) {
    TitleSet set = NamedSuits();
    set[c.index] = c.text;
    EXPECT_EQ(ComposeCardTitleList(set)[c.card], c.title) << c.what;
  }
}

TEST(CardTitlesTest, AShortListStopsAtTheFirstMissingLine) {
  Lines lines;
  for (int i = 0; i < 10; ++i) lines.push_back("line " + std::to_string(i));
  TitleSet set = InitialTitleSet();
  EXPECT_EQ(ErrorOf([&] { ApplyTitleLines(lines, set); }), "List index out of bounds (10)");
  for (int i = 0; i < 10; ++i) EXPECT_EQ(set[i], lines[i]);
  EXPECT_EQ(set[10], "");
  EXPECT_EQ(set[kRank1], "Ace");  // the fields after the missing line keep their texts
  EXPECT_EQ(set[kDivider], "of");
}

TEST(CardTitlesTest, LoadingTakesTheFirst42LinesWhateverTheirEnds) {
  test::TempFolder folder;
  std::string bytes;
  const char* ends[] = {"\r\n", "\n", "\r"};
  for (int i = 0; i < 50; ++i) bytes += "T" + std::to_string(i) + ends[i % 3];
  folder.Write("titles/custom.txt", bytes);
  TitleSet set = InitialTitleSet();
  LoadTitleSet(folder.Path("titles/custom.txt"), set);
  for (int i = 0; i < kTitleFieldCount; ++i) EXPECT_EQ(set[i], "T" + std::to_string(i));
}

TEST(CardTitlesTest, LoadFailuresReportTheFileOrTheMissingLine) {
  test::TempFolder folder;
  const TitleSet initial = InitialTitleSet();
  TitleSet set = initial;
  const std::string missing = folder.Path("titles/custom.txt");
  EXPECT_EQ(ErrorOf([&] { LoadTitleSet(missing, set); }),
            "Cannot open file \"" + missing + "\". No such file or directory");
  EXPECT_EQ(set, initial);

  folder.Write("titles/short.txt", "A\r\nB\r\n\r\n");  // an empty third line still counts
  EXPECT_EQ(ErrorOf([&] { LoadTitleSet(folder.Path("titles/short.txt"), set); }),
            "List index out of bounds (3)");
  EXPECT_EQ(set[0], "A");
  EXPECT_EQ(set[1], "B");
  EXPECT_EQ(set[2], "");
  EXPECT_EQ(set[kRank1], "Ace");
}

TEST(CardTitlesTest, SavingWrites42CrLfLinesThatLoadBack) {
  test::TempFolder folder;
  folder.Write("titles/custom.txt", "an older set\r\n");
  const std::string path = folder.Path("titles/custom.txt");
  SaveTitleSet(path, InitialTitleSet());
  std::string expected;
  for (int i = 0; i < 27; ++i) expected += "\r\n";
  expected += "Ace\r\nTwo\r\nThree\r\nFour\r\nFive\r\nSix\r\nSeven\r\nEight\r\nNine\r\nTen\r\n";
  expected += "\r\n\r\n\r\n\r\nof\r\n";
  EXPECT_EQ(folder.Read("titles/custom.txt"), expected);

  TitleSet custom;
  for (int i = 0; i < kTitleFieldCount; ++i) custom[i] = "\xd2\xf3\xe7 " + std::to_string(i);
  custom[5] = "";
  SaveTitleSet(path, custom);
  TitleSet loaded = InitialTitleSet();
  LoadTitleSet(path, loaded);
  EXPECT_EQ(loaded, custom);

  const std::string nowhere = folder.Path("gone/custom.txt");
  EXPECT_EQ(ErrorOf([&] { SaveTitleSet(nowhere, custom); }),
            "Cannot create file \"" + nowhere + "\". No such file or directory");
}

TEST(CardTitlesTest, AlternativesAreOfferedForTheDropDownFieldsOnly) {
  std::map<int, std::vector<std::string>> offered;
  for (const TitleAlternatives& entry : TitleAlternativesTable()) {
    EXPECT_TRUE(offered.emplace(entry.field, entry.items).second) << "twice: " << entry.field;
    EXPECT_FALSE(entry.items.empty()) << entry.field;
  }
  // t1..t22, the four suit names and the court ranks m11..m14.
  EXPECT_EQ(offered.size(), 30u);
  for (int index : {0, kDivider, kRank1, kRank1 + 9}) EXPECT_EQ(offered.count(index), 0u) << index;
  EXPECT_EQ(offered[20],
            (std::vector<std::string>{"Judgement", "The Judgement Day", "The Last Judgement",
                                      "The Aeon", "Resurrection", "Rejuvenation"}));
  EXPECT_EQ(offered[kCoins], (std::vector<std::string>{"Coins", "Disks", "Pentacles", "Spheres",
                                                       "Diamonds", "Earth"}));
  EXPECT_EQ(offered[kRank11],
            (std::vector<std::string>{"Princess", "Page", "Knave", "Daughter", "Sister"}));
  EXPECT_EQ(offered[8].front(), "Justice");    // Justice is card 8 ...
  EXPECT_EQ(offered[11][1], "Strength");       // ... and Strength card 11
  EXPECT_EQ(offered[21].front(), "The Fool");  // the Fool is 21, not 0
  EXPECT_EQ(offered[kRank11 + 3], (std::vector<std::string>{"King", "Father"}));
}

}  // namespace
}  // namespace sibylon
