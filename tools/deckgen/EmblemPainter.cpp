#include "EmblemPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "Shapes.h"

namespace sibylon::deckgen {
namespace {

// Emblems are designed in a box 140 units tall centred on the origin.
constexpr double kDesignHeight = 140.0;

QLinearGradient SideLight(double left, double right, const QColor& light, const QColor& main,
                          const QColor& dark) {
  QLinearGradient gradient(left, 0, right, 0);
  gradient.setColorAt(0.0, main);
  gradient.setColorAt(0.3, light);
  gradient.setColorAt(0.65, main);
  gradient.setColorAt(1.0, dark);
  return gradient;
}

}  // namespace

EmblemPainter::Colors EmblemPainter::ColorsFor(Suit suit) const {
  if (gilded_) {
    return {QColor("#3a2608"), QColor("#e3b94f"), QColor("#fbeab0"), QColor("#9c7420"),
            QColor("#f3d373")};
  }
  const CardPalette& palette = PaletteFor(suit);
  return {palette.ink, palette.main, palette.light, palette.dark, palette.extra};
}

void EmblemPainter::Draw(QPainter& painter, Suit suit, QPointF center, double height) const {
  const double scale = height / kDesignHeight;
  // Outlines keep a readable pixel width whatever the emblem size.
  const double line_px = 1.5 + height * 0.011;
  const double line = line_px / scale;
  const Colors colors = ColorsFor(suit);
  painter.save();
  painter.translate(center);
  painter.scale(scale, scale);
  switch (suit) {
    case Suit::kWands:
      DrawWand(painter, colors, line);
      break;
    case Suit::kCups:
      DrawCup(painter, colors, line);
      break;
    case Suit::kSwords:
      DrawSword(painter, colors, line);
      break;
    case Suit::kCoins:
      DrawCoin(painter, colors, line);
      break;
    default:
      break;
  }
  painter.restore();
}

void EmblemPainter::DrawWand(QPainter& painter, const Colors& colors, double line) {
  const QPen outline = RoundPen(colors.ink, line);
  // Leaves first so the staff overlaps their stalks.
  struct Leaf {
    QPointF base;
    QPointF tip;
  };
  static constexpr Leaf kLeaves[] = {
      {{5, -46}, {40, -66}},
      {{-5, -22}, {-40, -42}},
      {{5, 0}, {38, -16}},
      {{-5, 26}, {-34, 12}},
  };
  for (const Leaf& leaf : kLeaves) {
    const QPainterPath path = LeafPath(leaf.base, leaf.tip, 14);
    painter.setPen(outline);
    painter.setBrush(colors.extra);
    painter.drawPath(path);
    painter.setPen(RoundPen(colors.ink, line * 0.6));
    painter.drawLine(leaf.base, leaf.base + (leaf.tip - leaf.base) * 0.75);
  }
  QPainterPath staff(QPointF(-11, 68));
  staff.lineTo(11, 68);
  staff.lineTo(8, -60);
  staff.quadTo(0, -71, -8, -60);
  staff.closeSubpath();
  painter.setPen(outline);
  painter.setBrush(SideLight(-11, 11, colors.light, colors.main, colors.dark));
  painter.drawPath(staff);
  // Knots where the leaves sprout.
  painter.setPen(RoundPen(colors.ink, line * 0.7));
  painter.drawLine(QPointF(-7, -38), QPointF(3, -34));
  painter.drawLine(QPointF(-3, 2), QPointF(7, 6));
  painter.drawLine(QPointF(-9, 42), QPointF(1, 46));
}

void EmblemPainter::DrawCup(QPainter& painter, const Colors& colors, double line) {
  const QPen outline = RoundPen(colors.ink, line);
  painter.setPen(outline);
  // Foot and stem.
  QPainterPath foot(QPointF(-6, 34));
  foot.cubicTo(-8, 50, -34, 54, -38, 64);
  foot.quadTo(0, 72, 38, 64);
  foot.cubicTo(34, 54, 8, 50, 6, 34);
  foot.closeSubpath();
  painter.setBrush(SideLight(-38, 38, colors.light, colors.main, colors.dark));
  painter.drawPath(foot);
  painter.drawRect(QRectF(-6, -6, 12, 42));
  painter.drawEllipse(QPointF(0, 16), 12, 7);
  // Bowl.
  QPainterPath bowl(QPointF(-46, -58));
  bowl.cubicTo(-46, -16, -24, -2, 0, -2);
  bowl.cubicTo(24, -2, 46, -16, 46, -58);
  bowl.closeSubpath();
  painter.setBrush(SideLight(-46, 46, colors.light, colors.main, colors.dark));
  painter.drawPath(bowl);
  // Band and jewel on the bowl.
  painter.setPen(RoundPen(colors.ink, line * 0.7));
  painter.setBrush(Qt::NoBrush);
  QPainterPath band(QPointF(-42, -40));
  band.quadTo(0, -30, 42, -40);
  painter.drawPath(band);
  painter.setPen(outline);
  painter.setBrush(colors.extra);
  painter.drawEllipse(QPointF(0, -22), 7, 7);
  // Rim seen from slightly above.
  painter.setBrush(colors.dark);
  painter.drawEllipse(QPointF(0, -58), 46, 9);
}

void EmblemPainter::DrawSword(QPainter& painter, const Colors& colors, double line) {
  const QPen outline = RoundPen(colors.ink, line);
  painter.setPen(outline);
  QPainterPath blade(QPointF(0, -70));
  blade.lineTo(12, -50);
  blade.lineTo(10, 26);
  blade.lineTo(-10, 26);
  blade.lineTo(-12, -50);
  blade.closeSubpath();
  painter.setBrush(SideLight(-12, 12, colors.light, colors.main, colors.dark));
  painter.drawPath(blade);
  painter.setPen(RoundPen(colors.dark, line * 0.8));
  painter.drawLine(QPointF(0, -50), QPointF(0, 20));
  // Cross-guard with curled ends, grip and pommel.
  painter.setPen(outline);
  painter.setBrush(colors.extra);
  painter.drawRoundedRect(QRectF(-38, 24, 76, 13), 5, 5);
  painter.drawEllipse(QPointF(-40, 30.5), 7.5, 7.5);
  painter.drawEllipse(QPointF(40, 30.5), 7.5, 7.5);
  painter.drawRect(QRectF(-6.5, 37, 13, 20));
  painter.setPen(RoundPen(colors.light, line * 0.6));
  for (double y = 41; y < 56; y += 5) painter.drawLine(QPointF(-5, y), QPointF(5, y + 2));
  painter.setPen(outline);
  painter.setBrush(colors.extra);
  painter.drawEllipse(QPointF(0, 63), 9, 9);
}

void EmblemPainter::DrawCoin(QPainter& painter, const Colors& colors, double line) {
  const QPen outline = RoundPen(colors.ink, line);
  QRadialGradient face(QPointF(-14, -16), 64);
  face.setColorAt(0.0, colors.light);
  face.setColorAt(0.6, colors.main);
  face.setColorAt(1.0, colors.dark);
  painter.setPen(outline);
  painter.setBrush(face);
  painter.drawEllipse(QPointF(0, 0), 52, 52);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(RoundPen(colors.dark, line * 0.9));
  painter.drawEllipse(QPointF(0, 0), 43, 43);
  painter.setPen(RoundPen(colors.ink, line * 0.8));
  painter.setBrush(colors.extra);
  painter.drawPath(StarPath(QPointF(0, 2), 37, 15, 5));
}

}  // namespace sibylon::deckgen
