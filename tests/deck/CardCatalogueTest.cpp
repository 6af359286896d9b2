#include <gtest/gtest.h>

#include "base/AppError.h"
#include "deck/CardCatalogue.h"

namespace sibylon {
namespace {

TEST(CardCatalogueTest, GroupsRanksAndTextsAtTheGroupBorders) {
  struct Case {
    int card;
    CardGroup group;
    int rank;
    const char* text;
  } cases[] = {
      {0, CardGroup::kBlank, 0, "0"},    {1, CardGroup::kMajor, 1, "1"},
      {7, CardGroup::kMajor, 7, "7"},    {22, CardGroup::kMajor, 22, "22"},
      {23, CardGroup::kWands, 1, "23"},  {36, CardGroup::kWands, 14, "36"},
      {37, CardGroup::kCups, 1, "37"},   {50, CardGroup::kCups, 14, "50"},
      {51, CardGroup::kSwords, 1, "51"}, {64, CardGroup::kSwords, 14, "64"},
      {65, CardGroup::kCoins, 1, "65"},  {74, CardGroup::kCoins, 10, "74"},
      {78, CardGroup::kCoins, 14, "78"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GroupOf(c.card), c.group) << c.card;
    EXPECT_EQ(RankOf(c.card), c.rank) << c.card;
    EXPECT_EQ(CardNumberText(c.card), c.text) << c.card;
  }
}

TEST(CardCatalogueTest, NumbersOutsideTheDeckAreRefused) {
  for (int card : {-1, 79}) {
    const std::string message = "List index out of bounds (" + std::to_string(card) + ")";
    for (auto call : {+[](int n) { GroupOf(n); }, +[](int n) { RankOf(n); },
                      +[](int n) { CardNumberText(n); }}) {
      try {
        call(card);
        ADD_FAILURE() << card << " accepted";
      } catch (const AppError& error) {
        EXPECT_EQ(error.what(), message);
      }
    }
  }
}

TEST(CardCatalogueTest, OrientationTypesArePlainAsciiUpperCase) {
  EXPECT_EQ(OrientationType("normal"), "NORMAL");
  EXPECT_EQ(OrientationType("reversed"), "REVERSED");
  EXPECT_EQ(OrientationType("blank"), "BLANK");
  EXPECT_EQ(OrientationType("Mixed-1\xe9"), "MIXED-1\xe9");  // bytes above ASCII stay as they are
}

TEST(CardCatalogueTest, PicturePathsUseTheNumberWithoutLeadingZeros) {
  EXPECT_EQ(CardPicturePath("/opt/s/cards/My Deck/", "normal", CardNumberText(7)),
            "/opt/s/cards/My Deck/normal/7.jpg");
  EXPECT_EQ(CardPicturePath("/opt/s/cards/My Deck/", "reversed", "78"),
            "/opt/s/cards/My Deck/reversed/78.jpg");
  EXPECT_EQ(CardPicturePath("d/", "blank", "0"), "d/blank/0.jpg");
}

}  // namespace
}  // namespace sibylon
