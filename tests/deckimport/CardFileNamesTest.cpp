#include <gtest/gtest.h>

#include <set>

#include "deckimport/CardFileNames.h"

namespace sibylon {
namespace {

constexpr auto kStrength = TrumpOrder::kStrengthEight;
constexpr auto kJustice = TrumpOrder::kJusticeEight;

// The program numbers the Fool 21 and the World 22, Justice 8 and Force 11; the traditional order
// numbers the Fool 0 and the World 21, and decks differ on VIII and XI.
TEST(CardFileNamesTest, TraditionalTrumpsFollowTheTrumpOrder) {
  const struct {
    int trump;
    int strength_eight;
    int justice_eight;
  } cases[] = {
      {0, 21, 21}, {1, 1, 1},    {7, 7, 7},    {8, 11, 8},   {9, 9, 9},
      {11, 8, 11}, {20, 20, 20}, {21, 22, 22}, {22, -1, -1}, {-1, -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CardOfTrump(c.trump, kStrength), c.strength_eight) << c.trump;
    EXPECT_EQ(CardOfTrump(c.trump, kJustice), c.justice_eight) << c.trump;
  }
}

TEST(CardFileNamesTest, TheTraditionalOrderOf78CoversEveryCardOnce) {
  for (const TrumpOrder order : {kStrength, kJustice}) {
    std::set<int> cards;
    for (int position = 0; position < 78; ++position) {
      cards.insert(PlaceCard(CardOfPosition(position), order));
    }
    EXPECT_EQ(cards.size(), 78u);
    EXPECT_EQ(*cards.begin(), 1);
    EXPECT_EQ(*cards.rbegin(), 78);
  }
  // Position 22 is the Ace of Wands, 35 its King, 36 the Ace of Cups, 77 the King of Pentacles.
  EXPECT_EQ(PlaceCard(CardOfPosition(22), kStrength), 23);
  EXPECT_EQ(PlaceCard(CardOfPosition(35), kStrength), 36);
  EXPECT_EQ(PlaceCard(CardOfPosition(36), kStrength), 37);
  EXPECT_EQ(PlaceCard(CardOfPosition(77), kStrength), 78);
  EXPECT_FALSE(CardOfPosition(78).Known());
}

// File names as decks and scans name them, with the card of the program under either trump order
// (names fix the card; numbered trumps follow the order).
TEST(CardFileNamesTest, NamesOfCards) {
  const struct {
    const char* stem;
    int strength_eight;
    int justice_eight;
  } cases[] = {
      {"the_fool", 21, 21},
      {"Fool", 21, 21},
      {"THE-WORLD", 22, 22},
      {"TheMagician", 1, 1},
      {"high priestess", 2, 2},
      {"wheel_of_fortune", 10, 10},
      {"the-hanged-man", 12, 12},
      {"strength", 11, 11},
      {"justice", 8, 8},
      {"08-strength", 11, 11},  // the name decides, not the deck's number
      {"11_justice", 8, 8},
      {"RWS_Tarot_08_Strength", 11, 11},
      {"judgement", 20, 20},
      {"ace_of_cups", 37, 37},
      {"queen-of-swords", 63, 63},
      {"King of Wands", 36, 36},
      {"page_of_pentacles", 75, 75},
      {"knight-of-coins", 76, 76},
      {"AceOfCups", 37, 37},
      {"cups_02", 38, 38},
      {"Wands10", 32, 32},
      {"ten_of_swords", 60, 60},
      {"ar00", 21, 21},
      {"ar08", 11, 8},
      {"ar11", 8, 11},
      {"ar21", 22, 22},
      {"cu01", 37, 37},
      {"wa14", 36, 36},
      {"swQU", 63, 63},
      {"SWQU", 63, 63},
      {"pePA", 75, 75},
      {"waKI", 36, 36},
      {"peKN", 76, 76},
      {"art", 14, 14},
  };
  for (const auto& c : cases) {
    const SourceCard card = CardOfName(c.stem);
    EXPECT_EQ(PlaceCard(card, kStrength), c.strength_eight) << c.stem;
    EXPECT_EQ(PlaceCard(card, kJustice), c.justice_eight) << c.stem;
  }
}

TEST(CardFileNamesTest, NamesOfNoCard) {
  for (const char* stem :
       {"back", "card_back", "cover_art", "readme", "07", "card_07", "ar22", "cu15", "swXX",
        "ace_of_cups_and_swords", "two_of_nothing", "ace_of_cups_reversed", ""}) {
    EXPECT_FALSE(CardOfName(stem).Known()) << stem;
  }
  EXPECT_TRUE(NamesCardBack("back"));
  EXPECT_TRUE(NamesCardBack("Card-Back"));
  EXPECT_TRUE(NamesCardBack("CardBack"));
  EXPECT_FALSE(NamesCardBack("backgammon"));
}

TEST(CardFileNamesTest, NumberedNames) {
  const struct {
    const char* stem;
    bool numbered;
    const char* prefix;
    int number;
  } cases[] = {
      {"00", true, "", 0},           {"7", true, "", 7},           {"78", true, "", 78},
      {"card_07", true, "card_", 7}, {"Card 7", true, "card ", 7}, {"00-fool", true, "", 0},
      {"a1b2", false, "", -1},       {"fool", false, "", -1},      {"1234", false, "", -1},
  };
  for (const auto& c : cases) {
    const NumberedName name = NumberOfName(c.stem);
    EXPECT_EQ(name.numbered, c.numbered) << c.stem;
    if (!c.numbered) continue;
    EXPECT_EQ(name.prefix, c.prefix) << c.stem;
    EXPECT_EQ(name.number, c.number) << c.stem;
  }
}

TEST(CardFileNamesTest, OpenDeckNames) {
  EXPECT_EQ(RankOfOpenDeckName("ace"), 1);
  EXPECT_EQ(RankOfOpenDeckName("Ten"), 10);
  EXPECT_EQ(RankOfOpenDeckName("page"), 11);
  EXPECT_EQ(RankOfOpenDeckName("king"), 14);
  EXPECT_EQ(RankOfOpenDeckName("01"), 1);
  EXPECT_EQ(RankOfOpenDeckName("14"), 14);
  EXPECT_EQ(RankOfOpenDeckName("15"), -1);
  EXPECT_EQ(RankOfOpenDeckName("back"), -1);
  EXPECT_EQ(SuitOfOpenDeckFolder("wands"), 0);
  EXPECT_EQ(SuitOfOpenDeckFolder("Pentacles"), 3);
  EXPECT_EQ(SuitOfOpenDeckFolder("coins"), -1);
  EXPECT_EQ(PlaceCard(MinorCard(3, 14), kStrength), 78);
}

}  // namespace
}  // namespace sibylon
