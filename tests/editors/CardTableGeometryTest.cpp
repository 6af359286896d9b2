#include <gtest/gtest.h>

#include "editors/CardTableGeometry.h"

namespace sibylon {
namespace {

TEST(CardTableGeometryTest, ReleasedCardsSnapByTheirLastDigit) {
  struct Case {
    int value;
    long long snapped;
  } cases[] = {{0, 0},
               {1, 0},
               {2, 0},
               {3, 5},
               {4, 5},
               {5, 5},
               {6, 5},
               {7, 5},
               {8, 10},
               {9, 10},
               {43, 45},
               {62, 60},
               {371, 370},
               {248, 250},
               // The ends of the int range snap exactly too (the digit of the text is the rule).
               {2147483647, 2147483645},
               {2147483644, 2147483645},
               {-1, -2},
               {-7, -9},
               {-2147483647, -2147483649LL},
               {-2147483647 - 1, -2147483646}};
  for (const auto& c : cases) EXPECT_EQ(SnapCoordinate(c.value), c.snapped) << c.value;
}

TEST(CardTableGeometryTest, DefaultPlacesAreThreeRowsOfTen) {
  struct Case {
    int position, left, top;
  } cases[] = {{1, 5, 5}, {10, 365, 5}, {11, 5, 65}, {30, 365, 125}};
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultCardPlace(c.position).left, c.left) << c.position;
    EXPECT_EQ(DefaultCardPlace(c.position).top, c.top) << c.position;
  }
}

}  // namespace
}  // namespace sibylon
