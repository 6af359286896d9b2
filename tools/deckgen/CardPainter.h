#pragma once

#include <QImage>
#include <QRectF>

#include "CardCatalog.h"

class QPainter;

namespace sibylon::deckgen {

// Paints one upright card of the Celestine deck: frame, number, title and picture.
class CardPainter {
 public:
  // Areas of the card layout, in card pixels.
  static constexpr QRectF kPictureArea{28, 74, 232, 310};
  static constexpr QRectF kNumberArea{72, 24, 144, 40};
  static constexpr QRectF kTitleArea{24, 394, 240, 52};

  // Card 0 is the back; 1..78 the faces.
  QImage Paint(int number) const;

  // The outer border and inner frame shared by faces and the back.
  static void PaintBorder(QPainter& painter, const CardPalette& palette);

 private:
  static void PaintCartouche(QPainter& painter, const CardPalette& palette, const QRectF& area,
                             const QString& text, int pixel_size);
  static void PaintPictureGround(QPainter& painter, const CardPalette& palette, Suit suit,
                                 int number);
  static void PaintPips(QPainter& painter, Suit suit, int count);
  static void PaintAce(QPainter& painter, const CardPalette& palette, Suit suit);
  static void PaintCourt(QPainter& painter, const CardPalette& palette, Suit suit, int rank);
  static void PaintBust(QPainter& painter, const CardPalette& palette, QPointF center);
  static void PaintHorse(QPainter& painter, const CardPalette& palette, QPointF center);
};

}  // namespace sibylon::deckgen
