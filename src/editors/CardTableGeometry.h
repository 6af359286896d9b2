#pragma once

#include "srml/SpreadDefinition.h"

namespace sibylon {

// The spread editor's card table: a 406 x 306 drawing area on which each position is a 35 x 55
// card, placed by its top-left corner.
inline constexpr int kCardTableWidth = 406;
inline constexpr int kCardTableHeight = 306;
inline constexpr int kCardWidth = 35;
inline constexpr int kCardHeight = 55;
inline constexpr int kMaxPositions = 30;

// Position p (1..30) in the editor's default layout: three rows of ten.
CardPlace DefaultCardPlace(int position);

// The snap of a released card, by the last digit of the coordinate's decimal text: 1 or 6 go down
// one, 2 or 7 down two, 3 or 8 up two, 4 or 9 up one; for coordinates of 0 or more this is the
// nearest multiple of 5. 64-bit, so that every coordinate has its exact result (the smallest
// ones move below the int range).
long long SnapCoordinate(int value);

}  // namespace sibylon
