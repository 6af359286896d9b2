#pragma once

#include <QPointF>

#include "CardCatalog.h"

class QPainter;

namespace sibylon::deckgen {

// Draws the four suit emblems: wand, cup, sword and coin.
class EmblemPainter {
 public:
  // Uses the suit's own colours, or gold throughout when `gilded` (for trump pictures).
  explicit EmblemPainter(bool gilded = false) : gilded_(gilded) {}

  // Draws the emblem of `suit` centred on `center`, `height` pixels tall.
  void Draw(QPainter& painter, Suit suit, QPointF center, double height) const;

 private:
  struct Colors {
    QColor ink;
    QColor main;
    QColor light;
    QColor dark;
    QColor extra;
  };

  Colors ColorsFor(Suit suit) const;
  static void DrawWand(QPainter& painter, const Colors& colors, double line);
  static void DrawCup(QPainter& painter, const Colors& colors, double line);
  static void DrawSword(QPainter& painter, const Colors& colors, double line);
  static void DrawCoin(QPainter& painter, const Colors& colors, double line);

  bool gilded_;
};

}  // namespace sibylon::deckgen
