#pragma once

class QPainter;

namespace sibylon::deckgen {

// Paints the card back in card coordinates (288 x 466); the design looks the same
// when the card is turned, so a reversed back gives nothing away.
class BackPainter {
 public:
  void Paint(QPainter& painter) const;
};

}  // namespace sibylon::deckgen
