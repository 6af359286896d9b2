#include "BackPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "CardCatalog.h"
#include "CardPainter.h"
#include "Shapes.h"

namespace sibylon::deckgen {
namespace {

QColor WithAlpha(QColor color, int alpha) {
  color.setAlpha(alpha);
  return color;
}

}  // namespace

void BackPainter::Paint(QPainter& painter) const {
  // Trump colours, but an even paper tone: a gradient would tell top from bottom.
  CardPalette palette = PaletteFor(Suit::kTrump);
  palette.paper_top = palette.paper_bottom = QColor("#2e1f66");
  CardPainter::PaintBorder(painter, palette);
  const QPointF center(kCardWidth / 2.0, kCardHeight / 2.0);
  const QRectF field(25, 25, kCardWidth - 50, kCardHeight - 50);

  QRadialGradient ground(center, 260);
  ground.setColorAt(0.0, QColor("#4b3596"));
  ground.setColorAt(1.0, QColor("#160f38"));
  painter.setPen(QPen(palette.accent, 2));
  painter.setBrush(ground);
  painter.drawRoundedRect(field, 6, 6);

  // A quilt of faintly lighter diamonds: low contrast keeps the eye on the medallion
  // and the file small.
  painter.save();
  painter.setClipRect(field.adjusted(2, 2, -2, -2));
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(palette.light, 28));
  const double half_w = 18;
  const double half_h = 24;
  // Rows and columns run symmetrically about the centre so a turned card looks the same.
  const int rows = static_cast<int>(kCardHeight / 2 / half_h) + 1;
  const int cols = static_cast<int>(kCardWidth / 2 / half_w) + 1;
  for (int row = -rows; row <= rows; ++row) {
    for (int col = -cols; col <= cols; ++col) {
      if (row % 2 != 0 || col % 2 != 0) continue;  // every other diamond: a harlequin
      const QPointF point(center.x() + col * half_w, center.y() + row * half_h);
      QPainterPath diamond(point + QPointF(0, -half_h));
      diamond.lineTo(point + QPointF(half_w, 0));
      diamond.lineTo(point + QPointF(0, half_h));
      diamond.lineTo(point + QPointF(-half_w, 0));
      diamond.closeSubpath();
      painter.drawPath(diamond);
    }
  }
  painter.restore();

  // Corner fans.
  painter.setBrush(Qt::NoBrush);
  for (int corner = 0; corner < 4; ++corner) {
    const double x = (corner % 2 == 0) ? field.left() : field.right();
    const double y = (corner < 2) ? field.top() : field.bottom();
    const double start = (corner == 0) ? 270 : (corner == 1) ? 180 : (corner == 2) ? 0 : 90;
    for (const double radius : {22.0, 32.0}) {
      painter.setPen(QPen(palette.accent, radius < 30 ? 3 : 1.5));
      painter.drawArc(QRectF(x - radius, y - radius, radius * 2, radius * 2),
                      static_cast<int>(start * 16), 90 * 16);
    }
  }

  // Central medallion: rays, ring and an eight-pointed star.
  DrawRays(painter, center, 84, 112, 96, 32, palette.accent, 2.5);
  painter.setPen(QPen(palette.accent, 3));
  painter.setBrush(QColor("#1a1240"));
  painter.drawEllipse(center, 78, 78);
  painter.setPen(QPen(WithAlpha(palette.accent, 160), 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(center, 70, 70);
  painter.setPen(RoundPen(QColor("#6b4c12"), 1.5));
  painter.setBrush(palette.main);
  painter.drawPath(StarPath(center, 64, 25, 8));
  painter.setBrush(palette.light);
  painter.drawPath(StarPath(center, 34, 14, 8, -90 + 22.5));
  painter.setBrush(QColor("#1a1240"));
  painter.drawEllipse(center, 8, 8);

  // Crescents above and below, each opening towards the medallion.
  for (const int side : {-1, 1}) {
    const QPointF moon = center + QPointF(0, side * 142);
    painter.save();
    painter.translate(moon);
    painter.rotate(side < 0 ? 90 : -90);
    painter.setPen(RoundPen(QColor("#6b4c12"), 1.5));
    painter.setBrush(palette.light);
    painter.drawPath(CrescentPath(QPointF(0, 0), 24, 10, 21));
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.main);
    for (const int across : {-1, 1}) {
      painter.drawPath(StarPath(moon + QPointF(across * 52, side * 12), 9, 3.5, 4));
      painter.drawPath(StarPath(moon + QPointF(across * 80, side * 40), 6, 2.4, 4));
    }
  }
  for (const int across : {-1, 1}) {
    painter.drawPath(StarPath(center + QPointF(across * 100, 0), 10, 3.5, 4));
  }
}

}  // namespace sibylon::deckgen
