#pragma once

#include <QImage>

namespace sibylon::deckgen {

// Paints the 503 x 275 splash picture. The program lays its own texts on top, so the
// picture keeps quiet areas for them: the product name at the top left, notices and the
// version along the lower left, "Loading" at the centre bottom and the close button at
// the bottom right.
class SplashPainter {
 public:
  static constexpr int kWidth = 503;
  static constexpr int kHeight = 275;

  QImage Paint() const;
};

}  // namespace sibylon::deckgen
