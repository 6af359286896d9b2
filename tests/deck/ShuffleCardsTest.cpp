#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/AppError.h"
#include "deck/Lcg.h"
#include "deck/ShuffleCards.h"

namespace sibylon {
namespace {

using Texts = std::vector<std::string>;

// The state written as hi * 2^32 + lo. With M = 346 * 2^32 + 20021, modulo 2^64:
//   S * M + 1 = (hi * 20021 + lo * 346) * 2^32 + lo * 20021 + 1
// so new lo = (lo * 20021 + 1) mod 2^32 with carry c = (lo * 20021 + 1) div 2^32, and
// new hi = (hi * 20021 + lo * 346 + c) mod 2^32. A draw is new hi without its top bit.
//
// Seed 1:  S = 1 * 22695477 + 1 = 22695478                        (hi 0, lo 22695478)
// Draw 1:  lo * 20021 + 1 = 454386165039 = 105 * 2^32 + 3414598959
//          hi = 0 + 22695478 * 346 + 105 = 7852635493 mod 2^32 = 3557668197 (top bit set)
//          draw = 3557668197 - 2^31 = 1410184549
// Draw 2:  lo * 20021 + 1 = 3414598959 * 20021 + 1 = 68363685758140 = 15917 * 2^32 + 691307708
//          hi = 3557668197 * 20021 + 3414598959 * 346 + 15917
//             = 71228074972137 + 1181451239814 + 15917 = 72409526227868 mod 2^32 = 672584604
//          draw = 672584604 (top bit clear)
// Draw 3:  lo * 20021 + 1 = 691307708 * 20021 + 1 = 13840671621869 = 3222 * 2^32 + 2286994157
//          hi = 672584604 * 20021 + 691307708 * 346 + 3222
//             = 13465816356684 + 239192466968 + 3222 = 13705008826874 mod 2^32 = 4063152634
//          draw = 4063152634 - 2^31 = 1915668986
//          S = 4063152634 * 2^32 + 2286994157 = 17451107683973251821
TEST(LcgTest, SeedAndFirstDrawsFollowTheRecurrence) {
  Lcg random(1);
  EXPECT_EQ(random.State(), 22695478u);
  EXPECT_EQ(random.Draw(), 1410184549u);
  EXPECT_EQ(random.State(), 3557668197ull * 4294967296ull + 3414598959ull);
  EXPECT_EQ(random.Draw(), 672584604u);
  EXPECT_EQ(random.Draw(), 1915668986u);
  EXPECT_EQ(random.State(), 17451107683973251821ull);
}

TEST(LcgTest, SeedingKeepsOnlyTheLow32Bits) {
  // 4294967295 * 22695477 + 1 = 97476331459424716 = 22695476 * 2^32 + 4272271820
  EXPECT_EQ(Lcg(0xFFFFFFFFu).State(), 4272271820u);
  EXPECT_EQ(Lcg(0).State(), 1u);
}

TEST(LcgTest, AnIndexIsADrawModuloNAndBelowOneItIsZeroWithoutADraw) {
  Lcg random(1);
  EXPECT_EQ(random.Index(0), 0u);
  EXPECT_EQ(random.State(), 22695478u);  // no draw made
  EXPECT_EQ(random.Index(22), 15u);      // 1410184549 = 64099297 * 22 + 15
  EXPECT_EQ(random.Index(1), 0u);        // a draw is made all the same ...
  EXPECT_EQ(random.Index(1000), 986u);   // ... so this is draw 3: 1915668986 mod 1000
}

DeckOptions Majors() {
  DeckOptions options;
  options.all_cards = false;
  options.major_only = true;
  return options;
}

Texts Repeated(const char* text, std::size_t count) { return Texts(count, text); }

// The expected lists were worked out with an independent big-integer model of the generator and
// the drawing loop. The first card of seed 1 is entry 15 of "1".."22" (see the index test): "16".
TEST(ShuffleCardsTest, SmallPoolsDealExactlyDeterminedSequences) {
  DeckOptions plain = Majors();
  DeckOptions reversed = Majors();
  reversed.reversed = true;
  DeckOptions blanks = reversed;  // a blank card takes no orientation draw
  blanks.blanks = true;
  blanks.blank_count = "2";
  DeckOptions repeat = Majors();
  repeat.repeat = true;
  const std::string n = "normal", r = "reversed", b = "blank";
  struct Case {
    const char* what;
    DeckOptions options;
    std::uint32_t seed;
    Texts fortune, mirrors;
  } cases[] = {
      {"22 majors",
       plain,
       1,
       {"16", "7", "8",  "17", "15", "10", "19", "13", "12", "22", "2",
        "21", "1", "11", "6",  "14", "4",  "18", "9",  "3",  "20", "5"},
       Repeated("normal", 22)},
      {"22 majors, reversed cards",
       reversed,
       1,
       {"16", "15", "13", "17", "7",  "20", "10", "11", "14", "18", "6",
        "9",  "4",  "1",  "22", "12", "8",  "5",  "2",  "3",  "21", "19"},
       {n, n, r, n, r, n, n, r, n, r, r, r, n, r, r, r, r, r, n, n, r, r}},
      {"22 majors and 2 blank cards, reversed cards",
       blanks,
       2008,
       {"11", "18", "3",  "8",  "1",  "2",  "20", "4",  "0", "16", "9",  "19",
        "0",  "14", "12", "10", "21", "22", "6",  "17", "7", "15", "13", "5"},
       {r, r, n, n, r, n, n, n, b, n, n, r, b, r, n, n, n, n, n, n, r, r, r, r}},
      {"22 majors, repeat",
       repeat,
       1,
       {"16", "11", "1", "7",  "21", "20", "21", "5",  "21", "18", "14",
        "11", "15", "5", "10", "4",  "16", "3",  "21", "6",  "18", "22"},
       Repeated("normal", 22)},
  };
  for (const auto& c : cases) {
    const ShuffleResult result = ShuffleCards(c.options, c.seed);
    EXPECT_EQ(result.fortune, c.fortune) << c.what;
    EXPECT_EQ(result.mirrors, c.mirrors) << c.what;
  }
}

std::map<std::string, int> Counts(const Texts& texts) {
  std::map<std::string, int> counts;
  for (const std::string& text : texts) ++counts[text];
  return counts;
}

TEST(ShuffleCardsTest, WithoutRepeatTheWholePoolIsDealtOnce) {
  DeckOptions all;  // the initial options: all 78 cards
  const ShuffleResult deck = ShuffleCards(all, 1234567);
  std::map<std::string, int> expected;
  for (int card = 1; card <= 78; ++card) expected[std::to_string(card)] = 1;
  EXPECT_EQ(Counts(deck.fortune), expected);
  EXPECT_EQ(Counts(deck.mirrors), (std::map<std::string, int>{{"normal", 78}}));
  EXPECT_TRUE(deck.card_pool.empty());

  DeckOptions minor;
  minor.all_cards = false;
  minor.minor_only = true;
  minor.reversed = true;
  minor.blanks = true;
  minor.blank_count = "3";
  const ShuffleResult dealt = ShuffleCards(minor, 42);
  expected.clear();
  for (int card = 23; card <= 78; ++card) expected[std::to_string(card)] = 1;
  expected["0"] = 3;
  EXPECT_EQ(Counts(dealt.fortune), expected);
  ASSERT_EQ(dealt.mirrors.size(), 59u);
  for (std::size_t i = 0; i < 59; ++i) {
    const bool blank = dealt.fortune[i] == "0";
    EXPECT_EQ(dealt.mirrors[i] == "blank", blank) << i;
  }
  const auto orientations = Counts(dealt.mirrors);
  EXPECT_EQ(orientations.at("blank"), 3);
  EXPECT_GT(orientations.at("normal"), 10);  // about half of 56 each way
  EXPECT_GT(orientations.at("reversed"), 10);
  EXPECT_TRUE(dealt.card_pool.empty());
}

TEST(ShuffleCardsTest, WithRepeatThePoolStaysWholeAndCardsRecur) {
  DeckOptions options;
  options.blanks = true;
  options.blank_count = "2";
  options.repeat = true;
  const ShuffleResult result = ShuffleCards(options, 99);
  Texts pool = {"0", "0"};  // blank entries first, then the cards in ascending order
  for (int card = 1; card <= 78; ++card) pool.push_back(std::to_string(card));
  EXPECT_EQ(result.card_pool, pool);
  ASSERT_EQ(result.fortune.size(), 80u);
  for (const auto& [card, count] : Counts(result.fortune)) {
    EXPECT_TRUE(std::find(pool.begin(), pool.end(), card) != pool.end()) << card;
  }
  EXPECT_LT(Counts(result.fortune).size(), 80u);  // 80 free draws from 79 texts must repeat
  for (std::size_t i = 0; i < result.fortune.size(); ++i) {
    EXPECT_EQ(result.mirrors[i], result.fortune[i] == "0" ? "blank" : "normal") << i;
  }
}

TEST(ShuffleCardsTest, TheChosenGroupsAreAppendedInOrder) {
  // The options page keeps the three choices exclusive; taken together they simply add up.
  DeckOptions options = Majors();
  options.minor_only = true;
  options.all_cards = true;
  options.repeat = true;
  const ShuffleResult result = ShuffleCards(options, 5);
  ASSERT_EQ(result.card_pool.size(), 156u);
  EXPECT_EQ(result.card_pool[21], "22");
  EXPECT_EQ(result.card_pool[22], "23");
  EXPECT_EQ(result.card_pool[77], "78");
  EXPECT_EQ(result.card_pool[78], "1");
  EXPECT_EQ(result.card_pool[155], "78");

  DeckOptions none = Majors();
  none.major_only = false;
  EXPECT_TRUE(ShuffleCards(none, 5).fortune.empty());
}

TEST(ShuffleCardsTest, BlankCountsAreReadOnlyWithBlankCardsOn) {
  struct Case {
    bool blanks;
    const char* count;
    std::size_t dealt;
    const char* error;
  } cases[] = {
      {true, "0", 22, nullptr},
      {true, "-5", 22, nullptr},
      {true, "+2", 24, nullptr},
      {true, "999", 1021, nullptr},
      {false, "x", 22, nullptr},  // the field is not read at all
      {false, "1000", 22, nullptr},
      {true, "x", 0, "'x' is not a valid integer value"},
      {true, "", 0, "'' is not a valid integer value"},
      {true, " 1", 0, "' 1' is not a valid integer value"},
      {true, "1.5", 0, "'1.5' is not a valid integer value"},
      {true, "1000", 0, "Too many blank cards (1000); at most 999 can be added"},
      {true, "2147483647", 0, "Too many blank cards (2147483647); at most 999 can be added"},
  };
  for (const auto& c : cases) {
    DeckOptions options = Majors();
    options.blanks = c.blanks;
    options.blank_count = c.count;
    try {
      const ShuffleResult result = ShuffleCards(options, 7);
      EXPECT_EQ(c.error, nullptr) << c.count << " accepted";
      EXPECT_EQ(result.fortune.size(), c.dealt) << c.count;
      const auto blanks = static_cast<std::size_t>(Counts(result.fortune)["0"]);
      EXPECT_EQ(blanks, c.dealt - 22) << c.count;
    } catch (const AppError& error) {
      ASSERT_NE(c.error, nullptr) << c.count << ": " << error.what();
      EXPECT_EQ(error.what(), std::string(c.error));
    }
  }
}

}  // namespace
}  // namespace sibylon
