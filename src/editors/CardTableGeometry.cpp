#include "editors/CardTableGeometry.h"

#include <string>

namespace sibylon {

CardPlace DefaultCardPlace(int position) {
  return {5 + 40 * ((position - 1) % 10), 5 + 60 * ((position - 1) / 10)};
}

long long SnapCoordinate(int value) {
  static constexpr int kShift[10] = {0, -1, -2, 2, 1, 0, -1, -2, 2, 1};
  const std::string text = std::to_string(value);
  return static_cast<long long>(value) + kShift[text.back() - '0'];
}

}  // namespace sibylon
