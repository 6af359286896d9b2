#include "TrumpPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <tuple>

#include "EmblemPainter.h"
#include "Shapes.h"

namespace sibylon::deckgen {
namespace {

// Trump pictures keep to gold on indigo, with a few quiet accents.
const QColor kGold("#e8c15a");
const QColor kPale("#f8e7ac");
const QColor kDeepGold("#a27a22");
const QColor kInk("#3a2608");
const QColor kNight("#160f38");
const QColor kDusk("#2e2168");
const QColor kSilver("#e2e0f2");
const QColor kRose("#d65a7e");
const QColor kWater("#5b92dc");
const QColor kFlame("#f08a2c");
const QColor kStone("#5e5198");
const QColor kBone("#efe6cf");
const QColor kLeaf("#7fb25a");

QColor WithAlpha(QColor color, int alpha) {
  color.setAlpha(alpha);
  return color;
}

void GoldFill(QPainter& p, double outline = 2.0) {
  p.setPen(RoundPen(kInk, outline));
  p.setBrush(kGold);
}

QPainterPath Lemniscate(QPointF center, double half_width) {
  QPainterPath path;
  for (int i = 0; i <= 96; ++i) {
    const double t = 2.0 * M_PI * i / 96;
    const double d = 1.0 + qSin(t) * qSin(t);
    const QPointF point =
        center + QPointF(half_width * qCos(t) / d, half_width * qSin(t) * qCos(t) / d);
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  return path;
}

QPainterPath Spiral(QPointF center, double turns, double growth, bool clockwise) {
  QPainterPath path;
  const int steps = static_cast<int>(turns * 48);
  for (int i = 0; i <= steps; ++i) {
    const double t = 2.0 * M_PI * i / 48;
    const double r = 2.0 + growth * t;
    const double angle = clockwise ? t : -t;
    const QPointF point = center + QPointF(r * qCos(angle), r * qSin(angle));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  return path;
}

void Waves(QPainter& p, double top, int rows, const QColor& color) {
  p.setPen(RoundPen(color, 4));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row < rows; ++row) {
    const double y = top + row * 15;
    QPainterPath wave(QPointF(-120, y));
    for (double x = -120; x < 120; x += 30) {
      wave.quadTo(QPointF(x + 7.5, y - 6), QPointF(x + 15, y));
      wave.quadTo(QPointF(x + 22.5, y + 6), QPointF(x + 30, y));
    }
    p.drawPath(wave);
  }
}

// A small feathered wing spreading to one side of its root.
void Wing(QPainter& p, QPointF root, int side, double length) {
  p.setPen(RoundPen(kInk, 1.5));
  for (int i = 0; i < 5; ++i) {
    const double angle = qDegreesToRadians(-35.0 + i * 14.0);
    const double reach = length * (1.0 - i * 0.12);
    const QPointF tip = root + QPointF(side * reach * qCos(angle), reach * qSin(angle));
    p.setBrush(i % 2 == 0 ? kPale : kGold);
    p.drawPath(LeafPath(root, tip, 9));
  }
}

void Glow(QPainter& p, QPointF center, double radius, const QColor& color) {
  QRadialGradient glow(center, radius);
  glow.setColorAt(0.0, WithAlpha(color, 150));
  glow.setColorAt(1.0, WithAlpha(color, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(center, radius, radius);
}

}  // namespace

void TrumpPainter::Paint(QPainter& painter, int number, const QRectF& area) const {
  using Motif = void (*)(QPainter&);
  static constexpr Motif kMotifs[] = {
      nullptr,    &Magician, &HighPriestess, &Empress, &Emperor,        &Hierophant,
      &Lovers,    &Chariot,  &Justice,       &Hermit,  &WheelOfFortune, &Strength,
      &HangedMan, &Death,    &Temperance,    &Devil,   &Tower,          &Star,
      &Moon,      &Sun,      &Judgement,     &Fool,    &World,
  };
  if (number < 1 || number > 22) return;
  painter.save();
  painter.translate(area.center());
  kMotifs[number](painter);
  painter.restore();
}

void TrumpPainter::Magician(QPainter& p) {
  Glow(p, QPointF(0, -40), 110, kPale);
  p.setPen(RoundPen(kGold, 8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Lemniscate(QPointF(0, -118), 58));
  // The raised wand, white with golden tips.
  p.setPen(RoundPen(kInk, 2));
  p.setBrush(kPale);
  p.drawRoundedRect(QRectF(-7, -82, 14, 150), 6, 6);
  p.setBrush(kGold);
  p.drawEllipse(QPointF(0, -84), 10, 10);
  p.drawEllipse(QPointF(0, 70), 10, 10);
  // The table with the four tools of the suits.
  p.setBrush(QColor("#6b2a5a"));
  p.setPen(RoundPen(kGold, 2.5));
  p.drawRect(QRectF(-100, 98, 200, 60));
  GoldFill(p);
  p.drawRect(QRectF(-110, 86, 220, 14));
  const EmblemPainter gilded(true);
  gilded.Draw(p, Suit::kWands, QPointF(-88, 54), 62);
  gilded.Draw(p, Suit::kCups, QPointF(-44, 60), 50);
  gilded.Draw(p, Suit::kSwords, QPointF(44, 54), 62);
  gilded.Draw(p, Suit::kCoins, QPointF(90, 62), 58);
}

void TrumpPainter::HighPriestess(QPainter& p) {
  // Dark and light pillars of the temple.
  for (const int side : {-1, 1}) {
    const double x = side * 84;
    p.setPen(RoundPen(kGold, 2.5));
    p.setBrush(side < 0 ? QColor("#0c0822") : kBone);
    p.drawRect(QRectF(x - 15, -104, 30, 226));
    p.setBrush(kGold);
    p.setPen(RoundPen(kInk, 2));
    p.drawRect(QRectF(x - 22, -124, 44, 20));
    p.drawRect(QRectF(x - 22, 122, 44, 20));
  }
  // The triple moon.
  const QPointF moon(0, -84);
  p.setPen(RoundPen(kInk, 1.5));
  p.setBrush(kSilver);
  p.drawEllipse(moon, 22, 22);
  p.drawPath(CrescentPath(moon + QPointF(-38, 0), 20, -9, 18));
  p.drawPath(CrescentPath(moon + QPointF(38, 0), 20, 9, 18));
  // The veiled scroll of hidden knowledge.
  Glow(p, QPointF(0, 30), 70, kSilver);
  p.setPen(RoundPen(kInk, 2));
  p.setBrush(kBone);
  p.drawRect(QRectF(-30, -20, 60, 100));
  p.setBrush(kGold);
  p.drawRoundedRect(QRectF(-38, -30, 76, 14), 7, 7);
  p.drawRoundedRect(QRectF(-38, 74, 76, 14), 7, 7);
  p.setPen(RoundPen(kDeepGold, 3));
  for (double y = 2; y < 66; y += 14) p.drawLine(QPointF(-18, y), QPointF(18, y));
}

void TrumpPainter::Empress(QPainter& p) {
  const QPointF ring(0, -34);
  Glow(p, ring, 90, kRose);
  // Crown of twelve stars.
  p.setPen(RoundPen(kInk, 1));
  p.setBrush(kPale);
  for (int i = 0; i < 12; ++i) {
    const double angle = qDegreesToRadians(188.0 + i * (164.0 / 11.0));
    p.drawPath(StarPath(ring + QPointF(84 * qCos(angle), 84 * qSin(angle)), 10, 4, 5));
  }
  // The sign of Venus.
  p.setPen(RoundPen(kGold, 13));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(ring, 44, 44);
  p.drawLine(QPointF(0, 12), QPointF(0, 104));
  p.drawLine(QPointF(-34, 64), QPointF(34, 64));
  // Ripe wheat on both sides.
  for (const int side : {-1, 1}) {
    const double x = side * 88;
    p.setPen(RoundPen(kDeepGold, 4));
    p.drawLine(QPointF(x, 150), QPointF(x, 36));
    p.setPen(RoundPen(kInk, 1));
    p.setBrush(kGold);
    for (int i = 0; i < 6; ++i) {
      const double y = 46 + i * 14;
      p.drawPath(LeafPath(QPointF(x, y + 8), QPointF(x - 12, y - 6), 5));
      p.drawPath(LeafPath(QPointF(x, y + 8), QPointF(x + 12, y - 6), 5));
    }
    p.drawPath(LeafPath(QPointF(x, 44), QPointF(x, 22), 5));
  }
}

void TrumpPainter::Emperor(QPainter& p) {
  // Stone throne whose posts end in ram's horns.
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(QColor("#45328e"));
  p.drawRect(QRectF(-78, -30, 156, 190));
  p.setBrush(QColor("#37287a"));
  p.drawRect(QRectF(-90, 122, 180, 40));
  for (const int side : {-1, 1}) {
    const QPointF horn(side * 78, -30);
    p.setPen(RoundPen(kGold, 3));
    p.setBrush(kNight);
    p.drawEllipse(horn, 26, 26);
    p.setPen(RoundPen(kGold, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Spiral(horn, 1.6, 2.0, side > 0));
  }
  // The crown.
  GoldFill(p);
  p.drawPath(CrownPath(QPointF(0, -40), 112, 86, 5));
  p.setBrush(kRose);
  for (const double x : {-32.0, 0.0, 32.0}) p.drawEllipse(QPointF(x, -54), 6.5, 6.5);
  // Orb with a cross.
  QRadialGradient orb(QPointF(-10, 60), 60);
  orb.setColorAt(0.0, kPale);
  orb.setColorAt(1.0, kDeepGold);
  p.setBrush(orb);
  p.setPen(RoundPen(kInk, 2));
  p.drawEllipse(QPointF(0, 76), 42, 42);
  p.setPen(RoundPen(kInk, 3));
  p.drawLine(QPointF(-42, 76), QPointF(42, 76));
  p.setPen(RoundPen(kGold, 8));
  p.drawLine(QPointF(0, 34), QPointF(0, 6));
  p.drawLine(QPointF(-13, 18), QPointF(13, 18));
}

void TrumpPainter::Hierophant(QPainter& p) {
  Glow(p, QPointF(0, -70), 100, kPale);
  // The triple cross.
  p.setPen(RoundPen(kGold, 11));
  p.drawLine(QPointF(0, -140), QPointF(0, 52));
  p.drawLine(QPointF(-24, -116), QPointF(24, -116));
  p.drawLine(QPointF(-36, -90), QPointF(36, -90));
  p.drawLine(QPointF(-48, -64), QPointF(48, -64));
  // Two crossed keys, one gold and one silver.
  for (const int side : {-1, 1}) {
    p.save();
    p.translate(0, 96);
    p.rotate(side * 38);
    const QColor metal = side < 0 ? kGold : kSilver;
    p.setPen(RoundPen(metal, 8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, 30), QPointF(0, -52));
    p.drawEllipse(QPointF(0, 44), 14, 14);
    p.setPen(RoundPen(kInk, 1.5));
    p.setBrush(metal);
    p.drawRect(QRectF(side * 2, -54, side * 18, 10));
    p.drawRect(QRectF(side * 2, -38, side * 14, 8));
    p.restore();
  }
}

void TrumpPainter::Lovers(QPainter& p) {
  // The winged sun above.
  const QPointF sun(0, -92);
  Wing(p, sun + QPointF(-18, 0), -1, 84);
  Wing(p, sun + QPointF(18, 0), 1, 84);
  DrawRays(p, sun, 30, 46, 38, 16, kGold, 3);
  GoldFill(p);
  p.drawEllipse(sun, 26, 26);
  // Two hearts, joined.
  Glow(p, QPointF(0, 50), 110, kRose);
  p.setPen(RoundPen(kPale, 3));
  p.setBrush(kRose);
  p.drawPath(HeartPath(QPointF(-30, 44), 110));
  p.setBrush(WithAlpha(kGold, 235));
  p.drawPath(HeartPath(QPointF(30, 56), 110));
}

void TrumpPainter::Chariot(QPainter& p) {
  // Starry canopy on four posts.
  p.setPen(RoundPen(kGold, 5));
  for (const double x : {-76.0, 76.0}) p.drawLine(QPointF(x, -104), QPointF(x, -20));
  p.setPen(RoundPen(kGold, 2.5));
  p.setBrush(QColor("#2a3f8a"));
  QPainterPath canopy(QPointF(-96, -96));
  canopy.quadTo(QPointF(0, -150), QPointF(96, -96));
  canopy.lineTo(QPointF(96, -86));
  canopy.quadTo(QPointF(0, -122), QPointF(-96, -86));
  canopy.closeSubpath();
  p.drawPath(canopy);
  p.setPen(Qt::NoPen);
  p.setBrush(kPale);
  for (const double x : {-60.0, -30.0, 0.0, 30.0, 60.0}) {
    const double y = -93 - 20 * (1.0 - (x / 96.0) * (x / 96.0)) - 7;
    p.drawPath(StarPath(QPointF(x, y + 6), 6, 2.5, 5));
  }
  // Wheels behind the car.
  for (const int side : {-1, 1}) {
    const QPointF hub(side * 76, 84);
    p.setPen(RoundPen(kGold, 6));
    p.setBrush(kNight);
    p.drawEllipse(hub, 38, 38);
    p.setPen(RoundPen(kGold, 3));
    for (int i = 0; i < 8; ++i) {
      const double angle = M_PI * i / 4;
      p.drawLine(hub, hub + QPointF(38 * qCos(angle), 38 * qSin(angle)));
    }
    GoldFill(p);
    p.drawEllipse(hub, 8, 8);
  }
  // The car with a winged disc on its front.
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(QColor("#4a3398"));
  QPainterPath car(QPointF(-78, -24));
  car.lineTo(78, -24);
  car.lineTo(66, 96);
  car.lineTo(-66, 96);
  car.closeSubpath();
  p.drawPath(car);
  Wing(p, QPointF(-12, 30), -1, 44);
  Wing(p, QPointF(12, 30), 1, 44);
  GoldFill(p);
  p.drawEllipse(QPointF(0, 30), 14, 14);
  p.setPen(RoundPen(kGold, 3));
  p.drawLine(QPointF(-78, -8), QPointF(78, -8));
}

void TrumpPainter::Justice(QPainter& p) {
  Glow(p, QPointF(0, -40), 110, kPale);
  // Balanced scales hanging from a beam across the sword.
  const double beam_y = -66;
  p.setPen(RoundPen(kGold, 7));
  p.drawLine(QPointF(-80, beam_y), QPointF(80, beam_y));
  for (const int side : {-1, 1}) {
    const double x = side * 80;
    const double pan_y = 16;
    p.setPen(RoundPen(kGold, 2));
    p.drawLine(QPointF(x, beam_y), QPointF(x - 30, pan_y));
    p.drawLine(QPointF(x, beam_y), QPointF(x + 30, pan_y));
    GoldFill(p);
    QPainterPath pan(QPointF(x - 32, pan_y));
    pan.quadTo(QPointF(x, pan_y + 40), QPointF(x + 32, pan_y));
    pan.closeSubpath();
    p.drawPath(pan);
  }
  EmblemPainter().Draw(p, Suit::kSwords, QPointF(0, -8), 270);
  GoldFill(p);
  p.drawEllipse(QPointF(0, beam_y), 9, 9);
}

void TrumpPainter::Hermit(QPainter& p) {
  // Snowy peaks below.
  QPainterPath peaks(QPointF(-120, 160));
  peaks.lineTo(-120, 110);
  peaks.lineTo(-66, 70);
  peaks.lineTo(-34, 100);
  peaks.lineTo(16, 54);
  peaks.lineTo(70, 104);
  peaks.lineTo(120, 76);
  peaks.lineTo(120, 160);
  peaks.closeSubpath();
  QLinearGradient rock(0, 54, 0, 160);
  rock.setColorAt(0.0, QColor("#6a5aa8"));
  rock.setColorAt(1.0, QColor("#2a1f5c"));
  p.setPen(RoundPen(kSilver, 2));
  p.setBrush(rock);
  p.drawPath(peaks);
  // Snow on the tops.
  p.setPen(Qt::NoPen);
  p.setBrush(kSilver);
  for (const QPointF top : {QPointF(-66, 70), QPointF(16, 54), QPointF(120, 76)}) {
    QPainterPath cap(top);
    cap.lineTo(top + QPointF(14, 13));
    cap.lineTo(top + QPointF(4, 9));
    cap.lineTo(top + QPointF(-4, 14));
    cap.lineTo(top + QPointF(-12, 10));
    cap.closeSubpath();
    p.drawPath(cap);
  }
  // The staff.
  p.setPen(RoundPen(kDeepGold, 8));
  p.drawLine(QPointF(70, -136), QPointF(58, 140));
  // The lantern and its six-pointed light.
  const QPointF light(-24, -26);
  Glow(p, light, 100, kPale);
  p.setPen(RoundPen(kGold, 4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(light + QPointF(0, -88), 10, 10);
  GoldFill(p);
  QPainterPath cap(light + QPointF(-34, -56));
  cap.lineTo(light + QPointF(34, -56));
  cap.lineTo(light + QPointF(12, -78));
  cap.lineTo(light + QPointF(-12, -78));
  cap.closeSubpath();
  p.drawPath(cap);
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(WithAlpha(kPale, 120));
  p.drawRect(QRectF(light.x() - 30, light.y() - 56, 60, 96));
  p.setPen(RoundPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPath(StarPath(light + QPointF(0, -8), 24, 11, 6));
  GoldFill(p);
  p.drawRect(QRectF(light.x() - 36, light.y() + 40, 72, 12));
}

void TrumpPainter::WheelOfFortune(QPainter& p) {
  const QPointF hub(0, 0);
  Glow(p, hub, 140, kPale);
  p.setPen(RoundPen(kGold, 10));
  p.setBrush(kDusk);
  p.drawEllipse(hub, 104, 104);
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(kNight);
  p.drawEllipse(hub, 72, 72);
  p.setPen(RoundPen(kGold, 6));
  for (int i = 0; i < 8; ++i) {
    const double angle = M_PI * i / 4;
    p.drawLine(hub, hub + QPointF(104 * qCos(angle), 104 * qSin(angle)));
  }
  // Marks on the rim between the spokes.
  p.setPen(RoundPen(kInk, 1.5));
  p.setBrush(kPale);
  for (int i = 0; i < 8; ++i) {
    const double angle = M_PI * (i + 0.5) / 4;
    const QPointF mark = hub + QPointF(88 * qCos(angle), 88 * qSin(angle));
    if (i % 2 == 0) {
      p.drawEllipse(mark, 8, 8);
    } else {
      p.drawPath(StarPath(mark, 10, 4, 4));
    }
  }
  GoldFill(p);
  p.drawEllipse(hub, 22, 22);
  p.setBrush(kRose);
  p.drawEllipse(hub, 8, 8);
}

void TrumpPainter::Strength(QPainter& p) {
  p.setPen(RoundPen(kGold, 6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Lemniscate(QPointF(0, -126), 44));
  const QPointF face(0, 30);
  // Mane.
  p.setPen(RoundPen(QColor("#7a3c10"), 1.5));
  p.setBrush(QColor("#c8741e"));
  p.drawEllipse(face, 84, 84);
  for (int i = 0; i < 20; ++i) {
    const double angle = 2.0 * M_PI * i / 20;
    const QPointF dir(qCos(angle), qSin(angle));
    p.setBrush(i % 2 == 0 ? QColor("#e89a32") : QColor("#d9822a"));
    p.drawPath(LeafPath(face + dir * 50, face + dir * (i % 2 == 0 ? 106 : 96), 18));
  }
  // Ears and face.
  p.setPen(RoundPen(QColor("#7a3c10"), 2));
  p.setBrush(QColor("#e9a83e"));
  p.drawEllipse(face + QPointF(-40, -40), 15, 15);
  p.drawEllipse(face + QPointF(40, -40), 15, 15);
  p.setBrush(QColor("#f3c45e"));
  p.drawEllipse(face, 56, 58);
  p.setBrush(QColor("#fbe6b0"));
  p.drawEllipse(face + QPointF(-13, 30), 15, 13);
  p.drawEllipse(face + QPointF(13, 30), 15, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor("#3a1c08"));
  p.drawEllipse(face + QPointF(-21, -8), 7, 5);
  p.drawEllipse(face + QPointF(21, -8), 7, 5);
  QPainterPath nose(face + QPointF(-12, 12));
  nose.lineTo(face + QPointF(12, 12));
  nose.lineTo(face + QPointF(0, 26));
  nose.closeSubpath();
  p.drawPath(nose);
  p.setPen(RoundPen(QColor("#3a1c08"), 2.5));
  p.drawLine(face + QPointF(0, 26), face + QPointF(0, 36));
}

void TrumpPainter::HangedMan(QPainter& p) {
  // A gallows of living wood.
  const QColor wood("#9a6a2a");
  p.setPen(RoundPen(wood, 14));
  p.drawLine(QPointF(-88, 150), QPointF(-88, -124));
  p.drawLine(QPointF(88, 150), QPointF(88, -124));
  p.drawLine(QPointF(-104, -124), QPointF(104, -124));
  p.setPen(RoundPen(kInk, 1));
  p.setBrush(kLeaf);
  for (const int side : {-1, 1}) {
    p.drawPath(LeafPath(QPointF(side * 88, -60), QPointF(side * 108, -80), 6));
    p.drawPath(LeafPath(QPointF(side * 88, 20), QPointF(side * 68, 0), 6));
  }
  // Halo around the head at the bottom.
  const QPointF head(0, 90);
  Glow(p, head, 64, kPale);
  DrawRays(p, head, 28, 48, 38, 16, kGold, 2.5);
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(head, 28, 28);
  // The figure hangs head down by one foot; the other leg crosses behind the knee.
  p.setPen(RoundPen(kGold, 4));
  p.drawLine(QPointF(0, -118), QPointF(0, -98));
  const QColor hose("#c9485a");
  QPainterPath bent(QPointF(4, -16));
  bent.lineTo(40, -50);
  bent.lineTo(6, -72);
  p.setPen(RoundPen(kInk, 15));
  p.setBrush(Qt::NoBrush);
  p.drawPath(bent);
  p.drawLine(QPointF(0, -96), QPointF(0, -14));
  p.setPen(RoundPen(hose, 11));
  p.drawPath(bent);
  p.drawLine(QPointF(0, -96), QPointF(0, -14));
  p.setPen(RoundPen(kInk, 1.5));
  p.setBrush(kGold);
  p.drawRoundedRect(QRectF(-9, -104, 18, 12), 4, 4);
  // Elbows stick out where the hands are tied behind the back.
  const QColor tunic("#4d5fc0");
  QPainterPath arms(QPointF(-16, 54));
  arms.lineTo(-40, 34);
  arms.lineTo(-16, 14);
  arms.moveTo(16, 54);
  arms.lineTo(40, 34);
  arms.lineTo(16, 14);
  p.setPen(RoundPen(QColor("#f6e6cc"), 9));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arms);
  p.setPen(RoundPen(kPale, 2));
  QPainterPath body(QPointF(-18, -18));
  body.lineTo(18, -18);
  body.lineTo(22, 62);
  body.lineTo(-22, 62);
  body.closeSubpath();
  p.setBrush(tunic);
  p.drawPath(body);
  p.setPen(RoundPen(kGold, 4));
  p.drawLine(QPointF(-19, 2), QPointF(19, 2));
  p.setBrush(QColor("#f6e6cc"));
  p.setPen(RoundPen(kInk, 1.5));
  p.drawEllipse(head, 18, 18);
  p.setBrush(QColor("#e0b84e"));
  p.drawChord(QRectF(head.x() - 18, head.y() - 18, 36, 36), 180 * 16, 180 * 16);
}

void TrumpPainter::Death(QPainter& p) {
  // The scythe behind the skull.
  p.setPen(RoundPen(QColor("#8a6232"), 7));
  p.drawLine(QPointF(-84, 150), QPointF(70, -136));
  p.setPen(RoundPen(kInk, 2));
  p.setBrush(kSilver);
  QPainterPath blade(QPointF(72, -140));
  blade.quadTo(QPointF(-20, -162), QPointF(-108, -92));
  blade.quadTo(QPointF(-20, -128), QPointF(64, -118));
  blade.closeSubpath();
  p.drawPath(blade);
  // The skull.
  QPainterPath skull;
  skull.addEllipse(QPointF(0, -4), 62, 62);
  QPainterPath jaw;
  jaw.addRoundedRect(QRectF(-36, 26, 72, 58), 16, 16);
  skull = skull.united(jaw);
  p.setPen(RoundPen(QColor("#3a2a1a"), 2.5));
  p.setBrush(kBone);
  p.drawPath(skull);
  p.setPen(Qt::NoPen);
  p.setBrush(kNight);
  p.drawEllipse(QPointF(-24, 4), 17, 19);
  p.drawEllipse(QPointF(24, 4), 17, 19);
  QPainterPath nose(QPointF(0, 24));
  nose.lineTo(-9, 42);
  nose.lineTo(9, 42);
  nose.closeSubpath();
  p.drawPath(nose);
  p.setPen(RoundPen(QColor("#3a2a1a"), 2));
  p.drawLine(QPointF(-26, 64), QPointF(26, 64));
  for (double x = -21; x <= 21; x += 10.5) p.drawLine(QPointF(x, 54), QPointF(x, 76));
  // A white rose: life goes on.
  const QPointF rose(60, 118);
  p.setPen(RoundPen(kInk, 1));
  p.setBrush(Qt::white);
  for (int i = 0; i < 5; ++i) {
    const double angle = 2.0 * M_PI * i / 5 - M_PI / 2;
    p.drawEllipse(rose + QPointF(11 * qCos(angle), 11 * qSin(angle)), 11, 11);
  }
  p.setBrush(kGold);
  p.drawEllipse(rose, 6, 6);
}

void TrumpPainter::Temperance(QPainter& p) {
  // Triangle within a square: spirit held in matter.
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(-22, -146, 44, 44));
  QPainterPath triangle(QPointF(0, -140));
  triangle.lineTo(17, -108);
  triangle.lineTo(-17, -108);
  triangle.closeSubpath();
  p.drawPath(triangle);
  Waves(p, 118, 3, kWater);
  // Water flowing from the upper cup into the lower one.
  QPainterPath stream(QPointF(-2, -66));
  stream.cubicTo(QPointF(40, -74), QPointF(46, -10), QPointF(38, 24));
  p.setPen(RoundPen(kWater, 10));
  p.drawPath(stream);
  p.setPen(RoundPen(QColor("#bcd8ff"), 3));
  p.drawPath(stream);
  const EmblemPainter gilded(true);
  p.save();
  p.translate(-52, -50);
  p.rotate(38);
  gilded.Draw(p, Suit::kCups, QPointF(0, 0), 104);
  p.restore();
  p.save();
  p.translate(44, 70);
  p.rotate(-8);
  gilded.Draw(p, Suit::kCups, QPointF(0, 0), 104);
  p.restore();
}

void TrumpPainter::Devil(QPainter& p) {
  // Bat wings.
  for (const int side : {-1, 1}) {
    const auto at = [side](double x, double y) { return QPointF(side * x, y); };
    QPainterPath wing(at(16, -70));
    wing.quadTo(at(60, -120), at(112, -124));
    wing.quadTo(at(96, -86), at(112, -40));
    wing.quadTo(at(84, -46), at(78, -8));
    wing.quadTo(at(58, -20), at(44, 4));
    wing.quadTo(at(32, -14), at(16, -4));
    wing.closeSubpath();
    p.setPen(RoundPen(kGold, 2.5));
    p.setBrush(QColor("#5a1838"));
    p.drawPath(wing);
    p.setPen(RoundPen(kGold, 1.5));
    for (const QPointF finger : {at(112, -124), at(112, -40), at(78, -8), at(44, 4)}) {
      p.drawLine(at(20, -60), finger);
    }
  }
  // Horns, then the reversed pentagram.
  p.setPen(RoundPen(kInk, 2));
  p.setBrush(kBone);
  for (const int side : {-1, 1}) {
    QPainterPath horn(QPointF(side * 10, -88));
    horn.quadTo(QPointF(side * 14, -128), QPointF(side * 50, -144));
    horn.quadTo(QPointF(side * 32, -120), QPointF(side * 30, -84));
    horn.closeSubpath();
    p.drawPath(horn);
  }
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(kNight);
  p.drawEllipse(QPointF(0, -36), 56, 56);
  GoldFill(p);
  p.drawPath(StarPath(QPointF(0, -36), 50, 19, 5, 90));
  // A pedestal with two chains.
  p.setPen(RoundPen(kGold, 2.5));
  p.setBrush(kDusk);
  p.drawRect(QRectF(-62, 36, 124, 28));
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(Qt::NoBrush);
  for (const int side : {-1, 1}) {
    for (int link = 0; link < 5; ++link) {
      const QPointF center(side * (40 + link * 3), 78 + link * 17);
      if (link % 2 == 0) {
        p.drawEllipse(center, 6, 10);
      } else {
        p.drawEllipse(center, 3, 10);
      }
    }
  }
}

void TrumpPainter::Tower(QPainter& p) {
  // Rocky ground.
  QPainterPath rock(QPointF(-120, 160));
  rock.lineTo(-120, 136);
  rock.quadTo(QPointF(0, 110), QPointF(120, 132));
  rock.lineTo(120, 160);
  rock.closeSubpath();
  p.setPen(RoundPen(kGold, 2));
  p.setBrush(kNight);
  p.drawPath(rock);
  // The tower with its battlements.
  QPainterPath tower(QPointF(-44, 130));
  tower.lineTo(44, 130);
  tower.lineTo(32, -52);
  tower.lineTo(-32, -52);
  tower.closeSubpath();
  p.setPen(RoundPen(kGold, 2.5));
  p.setBrush(kStone);
  p.drawPath(tower);
  QPainterPath battlement(QPointF(-40, -50));
  battlement.lineTo(-40, -76);
  for (int i = 0; i < 4; ++i) {
    const double x = -40 + i * 20;
    battlement.lineTo(x + 10, -76);
    battlement.lineTo(x + 10, -66);
    battlement.lineTo(x + 20, -66);
    battlement.lineTo(x + 20, -76);
  }
  battlement.lineTo(40, -50);
  battlement.closeSubpath();
  p.drawPath(battlement);
  p.setPen(RoundPen(WithAlpha(kGold, 120), 1.5));
  for (double y = -24; y < 130; y += 26) {
    const double half = 32 + (y + 52) * 12.0 / 182.0;
    p.drawLine(QPointF(-half, y), QPointF(half, y));
  }
  // Fire in the windows and from the top.
  p.setPen(RoundPen(kGold, 2));
  p.setBrush(kFlame);
  for (const QPointF window : {QPointF(0, -20), QPointF(-14, 40), QPointF(14, 90)}) {
    QPainterPath arch(window + QPointF(-8, 14));
    arch.lineTo(window + QPointF(-8, -4));
    arch.quadTo(window + QPointF(0, -16), window + QPointF(8, -4));
    arch.lineTo(window + QPointF(8, 14));
    arch.closeSubpath();
    p.drawPath(arch);
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    const double x = -32 + i * 16;
    p.setBrush(i % 2 == 0 ? kFlame : QColor("#ffd45a"));
    p.drawPath(LeafPath(QPointF(x, -72), QPointF(x + (i - 2) * 6, -110 - (i % 2) * 14), 9));
  }
  // The crown knocked off by the bolt.
  p.save();
  p.translate(66, -108);
  p.rotate(32);
  GoldFill(p);
  p.drawPath(CrownPath(QPointF(0, 0), 56, 36, 3));
  p.restore();
  // Lightning.
  QPainterPath bolt(QPointF(-118, -156));
  bolt.lineTo(-56, -118);
  bolt.lineTo(-70, -112);
  bolt.lineTo(-10, -80);
  bolt.lineTo(-78, -104);
  bolt.lineTo(-64, -110);
  bolt.lineTo(-122, -140);
  bolt.closeSubpath();
  p.setPen(RoundPen(Qt::white, 1.5));
  p.setBrush(QColor("#fff2a0"));
  p.drawPath(bolt);
  // Falling sparks.
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  for (const QPointF spark : {QPointF(-80, -30), QPointF(-92, 40), QPointF(-70, 96),
                              QPointF(84, -20), QPointF(94, 50), QPointF(76, 104)}) {
    p.drawPath(LeafPath(spark, spark + QPointF(0, -16), 5));
  }
}

void TrumpPainter::Star(QPainter& p) {
  Waves(p, 108, 3, kWater);
  const QPointF center(0, -22);
  Glow(p, center, 120, kPale);
  p.setPen(RoundPen(kInk, 1.5));
  p.setBrush(kGold);
  p.drawPath(StarPath(center, 80, 28, 8));
  p.setBrush(Qt::white);
  p.drawPath(StarPath(center, 40, 15, 8, -90 + 22.5));
  p.setBrush(kPale);
  for (const QPointF small :
       {QPointF(0, -140), QPointF(-88, -112), QPointF(88, -112), QPointF(-98, -20),
        QPointF(98, -20), QPointF(-82, 68), QPointF(82, 68)}) {
    p.drawPath(StarPath(small, 15, 6, 8));
  }
}

void TrumpPainter::Moon(QPainter& p) {
  const QPointF moon(0, -70);
  Glow(p, moon, 120, kSilver);
  DrawRays(p, moon, 62, 90, 76, 32, kGold, 2.5);
  QRadialGradient face(moon + QPointF(-16, -16), 80);
  face.setColorAt(0.0, Qt::white);
  face.setColorAt(1.0, QColor("#b8b4d8"));
  p.setPen(RoundPen(kInk, 1.5));
  p.setBrush(face);
  p.drawEllipse(moon, 58, 58);
  p.setBrush(kGold);
  p.drawPath(CrescentPath(moon + QPointF(-8, 0), 46, 22, 42));
  // Two towers and the path between them.
  for (const int side : {-1, 1}) {
    const double x = side * 86;
    p.setPen(RoundPen(kGold, 2));
    p.setBrush(kNight);
    p.drawRect(QRectF(x - 17, 30, 34, 120));
    p.drawRect(QRectF(x - 21, 18, 42, 14));
    p.setBrush(kPale);
    p.drawRect(QRectF(x - 5, 52, 10, 18));
  }
  QPainterPath path(QPointF(-26, 160));
  path.cubicTo(QPointF(-10, 100), QPointF(30, 80), QPointF(2, 30));
  path.cubicTo(QPointF(20, 80), QPointF(10, 110), QPointF(26, 160));
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(kPale, 170));
  p.drawPath(path);
  // Dew falling from the moon.
  p.setBrush(kGold);
  for (const QPointF drop :
       {QPointF(-44, 16), QPointF(0, 26), QPointF(44, 16), QPointF(-24, 44), QPointF(24, 44)}) {
    p.drawPath(LeafPath(drop + QPointF(0, 8), drop + QPointF(0, -8), 5));
  }
  Waves(p, 138, 2, kWater);
}

void TrumpPainter::Sun(QPainter& p) {
  const QPointF sun(0, -44);
  Glow(p, sun, 140, QColor("#ffd86a"));
  // Straight rays alternate with wavy ones.
  for (int i = 0; i < 24; ++i) {
    const double angle = 2.0 * M_PI * i / 24;
    const QPointF dir(qCos(angle), qSin(angle));
    const QPointF side(-dir.y(), dir.x());
    if (i % 2 == 0) {
      QPainterPath ray(sun + dir * 60 + side * 9);
      ray.lineTo(sun + dir * 108);
      ray.lineTo(sun + dir * 60 - side * 9);
      ray.closeSubpath();
      p.setPen(RoundPen(kInk, 1));
      p.setBrush(kGold);
      p.drawPath(ray);
    } else {
      QPainterPath wave(sun + dir * 62);
      for (int k = 1; k <= 6; ++k) {
        const double r = 62 + k * 6;
        wave.lineTo(sun + dir * r + side * ((k % 2 == 0) ? -4.0 : 4.0));
      }
      p.setPen(RoundPen(QColor("#f5a640"), 3));
      p.setBrush(Qt::NoBrush);
      p.drawPath(wave);
    }
  }
  QRadialGradient disc(sun + QPointF(-18, -18), 90);
  disc.setColorAt(0.0, QColor("#fff3b0"));
  disc.setColorAt(1.0, QColor("#f2a22e"));
  p.setPen(RoundPen(QColor("#b86a10"), 2));
  p.setBrush(disc);
  p.drawEllipse(sun, 58, 58);
  // A calm smiling face.
  p.setPen(RoundPen(QColor("#8a4a08"), 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(sun.x() - 30, sun.y() - 20, 20, 12), 0, 180 * 16);
  p.drawArc(QRectF(sun.x() + 10, sun.y() - 20, 20, 12), 0, 180 * 16);
  p.drawArc(QRectF(sun.x() - 22, sun.y() - 4, 44, 32), 200 * 16, 140 * 16);
  // Wall with sunflowers.
  p.setPen(RoundPen(kPale, 1.5));
  p.setBrush(QColor("#4a3a8e"));
  p.drawRect(QRectF(-124, 104, 248, 60));
  for (double y = 122; y < 160; y += 18) p.drawLine(QPointF(-124, y), QPointF(124, y));
  for (double x = -110; x < 124; x += 36) {
    p.drawLine(QPointF(x, 104), QPointF(x, 122));
    p.drawLine(QPointF(x + 18, 122), QPointF(x + 18, 140));
  }
  for (const double x : {-84.0, -28.0, 28.0, 84.0}) {
    const QPointF flower(x, 92);
    p.setPen(RoundPen(kInk, 1));
    p.setBrush(QColor("#ffd23a"));
    for (int i = 0; i < 10; ++i) {
      const double angle = 2.0 * M_PI * i / 10;
      const QPointF dir(qCos(angle), qSin(angle));
      p.drawPath(LeafPath(flower + dir * 6, flower + dir * 20, 6));
    }
    p.setBrush(QColor("#6a3a10"));
    p.drawEllipse(flower, 8, 8);
  }
}

void TrumpPainter::Judgement(QPainter& p) {
  // Rays from the clouds.
  p.setPen(RoundPen(WithAlpha(kGold, 150), 2));
  for (int i = -4; i <= 4; ++i) {
    p.drawLine(QPointF(i * 8, -110), QPointF(i * 34, 110));
  }
  // Clouds.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor("#e6e2f4"));
  for (int i = 0; i < 9; ++i) {
    const double x = -120 + i * 30;
    p.drawEllipse(QPointF(x, i % 2 == 0 ? -140 : -128), 26, 26);
    p.drawEllipse(QPointF(x + 15, -112), 18, 16);
  }
  // The trumpet with its banner.
  p.save();
  p.translate(-40, -104);
  p.rotate(40);
  GoldFill(p);
  p.drawRect(QRectF(0, -4, 106, 8));
  QPainterPath bell(QPointF(100, -5));
  bell.quadTo(QPointF(126, -8), QPointF(140, -26));
  bell.lineTo(140, 26);
  bell.quadTo(QPointF(126, 8), QPointF(100, 5));
  bell.closeSubpath();
  p.drawPath(bell);
  p.drawEllipse(QPointF(140, 0), 6, 26);
  p.restore();
  const QPointF a(-40 + 40 * 0.766, -104 + 40 * 0.643);
  const QPointF b(-40 + 84 * 0.766, -104 + 84 * 0.643);
  QPainterPath banner(a);
  banner.lineTo(b);
  banner.lineTo(b + QPointF(0, 54));
  banner.lineTo(a + QPointF(0, 54));
  banner.closeSubpath();
  p.setPen(RoundPen(kInk, 1.5));
  p.setBrush(Qt::white);
  p.drawPath(banner);
  const QPointF mid = (a + b) / 2.0 + QPointF(0, 27);
  p.setPen(RoundPen(QColor("#c8283c"), 6));
  p.drawLine(mid + QPointF(0, -20), mid + QPointF(0, 20));
  p.drawLine(mid + QPointF(-13, 0), mid + QPointF(13, 0));
  // Figures rising from an open tomb.
  p.setPen(RoundPen(kPale, 7));
  for (const double x : {-44.0, 0.0, 44.0}) {
    const double lift = (x == 0.0) ? -10 : 0;
    p.drawLine(QPointF(x, 112), QPointF(x, 74 + lift));
    p.drawLine(QPointF(x, 84 + lift), QPointF(x - 18, 58 + lift));
    p.drawLine(QPointF(x, 84 + lift), QPointF(x + 18, 58 + lift));
    p.setBrush(kPale);
    p.drawEllipse(QPointF(x, 62 + lift), 6, 6);
  }
  p.setPen(RoundPen(kGold, 2.5));
  p.setBrush(kStone);
  p.drawRect(QRectF(-80, 104, 160, 44));
}

void TrumpPainter::Fool(QPainter& p) {
  // A jester's cap: three points with bells.
  const QColor tips[] = {QColor("#7a56d0"), kGold, kRose};
  const QPointF tip_points[] = {QPointF(-104, -40), QPointF(0, -136), QPointF(104, -40)};
  const QPointF bases[][2] = {{QPointF(-72, 46), QPointF(-22, 40)},
                              {QPointF(-30, 40), QPointF(30, 40)},
                              {QPointF(22, 40), QPointF(72, 46)}};
  const int order[] = {0, 2, 1};
  for (const int i : order) {
    const QPointF tip = tip_points[i];
    const QPointF left = bases[i][0];
    const QPointF right = bases[i][1];
    QPainterPath point(left);
    point.cubicTo(left + QPointF(-10, -60), tip + QPointF(-10, 40), tip);
    point.cubicTo(tip + QPointF(30, 30), right + QPointF(10, -70), right);
    point.closeSubpath();
    p.setPen(RoundPen(kInk, 2));
    p.setBrush(tips[i]);
    p.drawPath(point);
  }
  for (const QPointF tip : tip_points) {
    GoldFill(p);
    p.drawEllipse(tip, 12, 12);
    p.setPen(RoundPen(kInk, 2));
    p.drawLine(tip + QPointF(0, 2), tip + QPointF(0, 11));
  }
  // Band with a row of diamonds.
  GoldFill(p);
  p.drawRoundedRect(QRectF(-78, 40, 156, 30), 10, 10);
  p.setBrush(kRose);
  for (int i = 0; i < 5; ++i) {
    const QPointF c(-56 + i * 28, 55);
    QPainterPath diamond(c + QPointF(0, -10));
    diamond.lineTo(c + QPointF(8, 0));
    diamond.lineTo(c + QPointF(0, 10));
    diamond.lineTo(c + QPointF(-8, 0));
    diamond.closeSubpath();
    p.drawPath(diamond);
  }
  // The white rose of the carefree traveller.
  const QPointF rose(0, 118);
  p.setPen(RoundPen(kInk, 1));
  p.setBrush(kLeaf);
  p.drawPath(LeafPath(rose, rose + QPointF(-36, 14), 9));
  p.drawPath(LeafPath(rose, rose + QPointF(36, 14), 9));
  p.setBrush(Qt::white);
  for (int i = 0; i < 5; ++i) {
    const double angle = 2.0 * M_PI * i / 5 - M_PI / 2;
    p.drawEllipse(rose + QPointF(12 * qCos(angle), 12 * qSin(angle)), 12, 12);
  }
  p.setBrush(kGold);
  p.drawEllipse(rose, 7, 7);
}

void TrumpPainter::World(QPainter& p) {
  Glow(p, QPointF(0, 0), 120, kPale);
  // Laurel wreath.
  const double rx = 70;
  const double ry = 108;
  p.setPen(RoundPen(QColor("#2f5a1c"), 1));
  for (int i = 0; i < 36; ++i) {
    const double t = 2.0 * M_PI * i / 36;
    const QPointF on(rx * qCos(t), ry * qSin(t));
    const QPointF tangent = QPointF(-rx * qSin(t), ry * qCos(t)) / qMax(rx, ry);
    const QPointF outward(qCos(t), qSin(t));
    p.setBrush(i % 2 == 0 ? kLeaf : QColor("#9cc872"));
    p.drawPath(LeafPath(on, on + tangent * 22 + outward * 10, 7));
    p.drawPath(LeafPath(on, on + tangent * 22 - outward * 10, 7));
  }
  // Ribbons where the wreath is bound.
  p.setPen(RoundPen(kInk, 1.5));
  p.setBrush(kRose);
  for (const int side : {-1, 1}) {
    const QPointF knot(0, side * ry);
    QPainterPath bow(knot);
    bow.lineTo(knot + QPointF(-18, -10));
    bow.lineTo(knot + QPointF(-18, 10));
    bow.closeSubpath();
    bow.moveTo(knot);
    bow.lineTo(knot + QPointF(18, -10));
    bow.lineTo(knot + QPointF(18, 10));
    bow.closeSubpath();
    p.drawPath(bow);
    p.drawEllipse(knot, 5, 5);
  }
  // The globe.
  QRadialGradient sea(QPointF(-14, -14), 70);
  sea.setColorAt(0.0, QColor("#8ec0ff"));
  sea.setColorAt(1.0, QColor("#2a58a8"));
  p.setPen(RoundPen(kGold, 3));
  p.setBrush(sea);
  p.drawEllipse(QPointF(0, 0), 46, 46);
  p.setPen(RoundPen(kGold, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), 18, 46);
  p.drawEllipse(QPointF(0, 0), 34, 46);
  p.drawLine(QPointF(-46, 0), QPointF(46, 0));
  p.drawLine(QPointF(0, -46), QPointF(0, 46));
  p.drawLine(QPointF(-40, -22), QPointF(40, -22));
  p.drawLine(QPointF(-40, 22), QPointF(40, 22));
  // The four elements in the corners.
  const EmblemPainter gilded(true);
  gilded.Draw(p, Suit::kWands, QPointF(-94, -122), 52);
  gilded.Draw(p, Suit::kCups, QPointF(94, -122), 46);
  gilded.Draw(p, Suit::kSwords, QPointF(-94, 122), 52);
  gilded.Draw(p, Suit::kCoins, QPointF(94, 124), 52);
}

}  // namespace sibylon::deckgen
