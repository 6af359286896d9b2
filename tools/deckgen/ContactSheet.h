#pragma once

#include <QImage>
#include <vector>

namespace sibylon::deckgen {

// Lays cards out at half size in a numbered grid, for reviewing the whole deck at once.
class ContactSheet {
 public:
  static constexpr int kColumns = 10;

  // `cards[i]` is shown with the caption `i`.
  QImage Compose(const std::vector<QImage>& cards) const;
};

}  // namespace sibylon::deckgen
