#include <gtest/gtest.h>

#include "deck/CardEntry.h"
#include "support/ErrorOf.h"

namespace sibylon {
namespace {

using test::ErrorOf;

std::vector<int> Range(int first, int last) {
  std::vector<int> cards;
  for (int card = first; card <= last; ++card) cards.push_back(card);
  return cards;
}

std::vector<int> Without(std::vector<int> cards, std::initializer_list<int> gone) {
  for (int card : gone) std::erase(cards, card);
  return cards;
}

std::vector<LaidCard> Laid(std::initializer_list<int> cards) {
  std::vector<LaidCard> laid;
  for (int card : cards) laid.push_back({card, false});
  return laid;
}

TEST(CardEntryTest, TheDeckIsTheOneTheShuffleDrawsFrom) {
  DeckOptions options;
  EXPECT_EQ(EntryDeckOf(options).cards, Range(1, 78));
  EXPECT_EQ(EntryDeckOf(options).blanks, 0);
  options.all_cards = false;
  options.major_only = true;
  EXPECT_EQ(EntryDeckOf(options).cards, Range(1, 22));
  options.major_only = false;
  options.minor_only = true;
  options.blanks = true;
  options.blank_count = "3";
  options.reversed = true;
  const EntryDeck deck = EntryDeckOf(options);
  EXPECT_EQ(deck.cards, Range(23, 78));
  EXPECT_EQ(deck.blanks, 3);
  EXPECT_TRUE(deck.reversed);
  EXPECT_FALSE(deck.repeat);

  // The blank count is read as the shuffle reads it.
  for (const char* none : {"0", "-4"}) {
    options.blank_count = none;
    EXPECT_EQ(EntryDeckOf(options).blanks, 0) << none;
  }
  options.blank_count = "many";
  EXPECT_EQ(ErrorOf([&] { EntryDeckOf(options); }), "'many' is not a valid integer value");
  options.blank_count = "1000";
  EXPECT_EQ(ErrorOf([&] { EntryDeckOf(options); }), ErrorOf([&] { ShuffleCards(options, 1); }));
  options.blanks = false;
  EXPECT_EQ(EntryDeckOf(options).blanks, 0);
}

// A card laid at one position is not offered at another unless cards repeat; the position's own
// card is offered again, and the blank card as long as the deck has blank cards left.
TEST(CardEntryTest, TheRepeatRule) {
  EntryDeck deck;
  deck.cards = Range(1, 5);
  deck.blanks = 2;
  const struct {
    const char* what;
    bool repeat;
    std::vector<LaidCard> laid;
    std::size_t at;
    std::vector<int> offered;
  } cases[] = {
      {"nothing laid", false, Laid({-1, -1, -1}), 0, Range(0, 5)},
      {"cards laid elsewhere", false, Laid({3, -1, 5}), 1, Without(Range(0, 5), {3, 5})},
      {"the position's own card", false, Laid({3, -1, 5}), 0, Without(Range(0, 5), {5})},
      {"one of two blanks laid", false, Laid({0, -1, -1}), 1, Range(0, 5)},
      {"both blanks laid", false, Laid({0, 0, -1}), 2, Range(1, 5)},
      {"both blanks, one here", false, Laid({0, 0, -1}), 1, Range(0, 5)},
      {"repeat", true, Laid({3, 0, 0}), 0, Range(0, 5)},
  };
  for (const auto& c : cases) {
    deck.repeat = c.repeat;
    EXPECT_EQ(OfferedCards(deck, c.laid, c.at), c.offered) << c.what;
  }
  deck.blanks = 0;
  deck.repeat = true;
  EXPECT_EQ(OfferedCards(deck, Laid({-1}), 0), Range(1, 5)) << "no blank cards";
}

// As many positions as the deck has cards can be laid; more fail where the deal of too short a
// shuffle fails, at the first position no card is left for.
TEST(CardEntryTest, TheDeckMustCoverTheSpread) {
  EntryDeck deck;
  deck.cards = Range(1, 22);
  deck.blanks = 2;
  EXPECT_EQ(ErrorOf([&] { CheckDeckCovers(deck, 24); }), "no error");
  EXPECT_EQ(ErrorOf([&] { CheckDeckCovers(deck, 25); }), "List index out of bounds (24)");
  deck.repeat = true;
  EXPECT_EQ(ErrorOf([&] { CheckDeckCovers(deck, 500); }), "no error");
  deck.cards.clear();
  deck.blanks = 0;
  EXPECT_EQ(ErrorOf([&] { CheckDeckCovers(deck, 1); }), "List index out of bounds (0)");
  EXPECT_EQ(ErrorOf([&] { CheckDeckCovers(deck, 0); }), "no error");
}

TEST(CardEntryTest, TheListsOfTheLaidCards) {
  EntryDeck deck;
  deck.reversed = true;
  const std::vector<LaidCard> laid = {{12, true}, {0, true}, {78, false}};
  const ShuffleResult lists = LaidCardLists(deck, laid);
  EXPECT_EQ(lists.fortune, (std::vector<std::string>{"12", "0", "78"}));
  EXPECT_EQ(lists.mirrors, (std::vector<std::string>{"reversed", "blank", "normal"}));
  // Without reversed cards in the deck no card lies reversed.
  deck.reversed = false;
  EXPECT_EQ(LaidCardLists(deck, laid).mirrors,
            (std::vector<std::string>{"normal", "blank", "normal"}));
  EXPECT_EQ(ErrorOf([&] {
              LaidCardLists(deck, {{5, false}, {}});
            }),
            "List index out of bounds (1)");
}

}  // namespace
}  // namespace sibylon
