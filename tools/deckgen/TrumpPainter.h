#pragma once

#include <QRectF>

class QPainter;

namespace sibylon::deckgen {

// Paints the symbolic motif of a trump (1..22) into the picture area of its card.
class TrumpPainter {
 public:
  void Paint(QPainter& painter, int number, const QRectF& area) const;

 private:
  // Each motif draws around the origin, inside about +-110 by +-150 pixels.
  static void Magician(QPainter& p);
  static void HighPriestess(QPainter& p);
  static void Empress(QPainter& p);
  static void Emperor(QPainter& p);
  static void Hierophant(QPainter& p);
  static void Lovers(QPainter& p);
  static void Chariot(QPainter& p);
  static void Justice(QPainter& p);
  static void Hermit(QPainter& p);
  static void WheelOfFortune(QPainter& p);
  static void Strength(QPainter& p);
  static void HangedMan(QPainter& p);
  static void Death(QPainter& p);
  static void Temperance(QPainter& p);
  static void Devil(QPainter& p);
  static void Tower(QPainter& p);
  static void Star(QPainter& p);
  static void Moon(QPainter& p);
  static void Sun(QPainter& p);
  static void Judgement(QPainter& p);
  static void Fool(QPainter& p);
  static void World(QPainter& p);
};

}  // namespace sibylon::deckgen
