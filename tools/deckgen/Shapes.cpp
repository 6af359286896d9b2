#include "Shapes.h"

#include <QLineF>
#include <QPainter>
#include <QtMath>

namespace sibylon::deckgen {

QPainterPath StarPath(QPointF center, double outer, double inner, int points,
                      double rotation_degrees) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double radius = (i % 2 == 0) ? outer : inner;
    const double angle = qDegreesToRadians(rotation_degrees + 180.0 * i / points);
    const QPointF point = center + QPointF(radius * qCos(angle), radius * qSin(angle));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

QPainterPath LeafPath(QPointF base, QPointF tip, double width) {
  const QLineF axis(base, tip);
  const QPointF mid = (base + tip) / 2.0;
  const QLineF normal = axis.normalVector().unitVector();
  const QPointF side(normal.dx() * width, normal.dy() * width);
  QPainterPath path(base);
  path.quadTo(mid + side, tip);
  path.quadTo(mid - side, base);
  path.closeSubpath();
  return path;
}

QPainterPath CrescentPath(QPointF center, double radius, double offset, double cut_radius) {
  QPainterPath disc;
  disc.addEllipse(center, radius, radius);
  QPainterPath cut;
  cut.addEllipse(center + QPointF(offset, 0), cut_radius, cut_radius);
  return disc.subtracted(cut);
}

QPainterPath HeartPath(QPointF center, double size) {
  const double s = size / 2.0;
  const double x = center.x();
  const double y = center.y();
  QPainterPath path(QPointF(x, y + s * 0.95));
  path.cubicTo(x - s * 1.25, y + s * 0.1, x - s * 1.0, y - s * 1.0, x, y - s * 0.45);
  path.cubicTo(x + s * 1.0, y - s * 1.0, x + s * 1.25, y + s * 0.1, x, y + s * 0.95);
  path.closeSubpath();
  return path;
}

QPainterPath CrownPath(QPointF base_center, double width, double height, int points) {
  const double left = base_center.x() - width / 2.0;
  const double bottom = base_center.y();
  const double band = height * 0.32;
  QPainterPath path(QPointF(left, bottom));
  path.lineTo(left + width, bottom);
  path.lineTo(left + width, bottom - band);
  // Tips and valleys alternate; the middle tip stands tallest.
  for (int i = points - 1; i >= 0; --i) {
    const double tip_x = left + width * (i + 0.5) / points;
    const double from_middle = qAbs(i - (points - 1) / 2.0) / qMax(1.0, (points - 1) / 2.0);
    const double tip_y = bottom - height * (1.0 - 0.18 * from_middle);
    const double valley_x = left + width * i / points;
    path.lineTo(tip_x, tip_y);
    if (i > 0) path.lineTo(valley_x, bottom - band - height * 0.12);
  }
  path.lineTo(left, bottom - band);
  path.closeSubpath();
  return path;
}

void DrawRays(QPainter& painter, QPointF center, double inner, double outer_long,
              double outer_short, int count, const QColor& color, double width) {
  painter.save();
  painter.setPen(RoundPen(color, width));
  for (int i = 0; i < count; ++i) {
    const double angle = 2.0 * M_PI * i / count;
    const double outer = (i % 2 == 0) ? outer_long : outer_short;
    const QPointF dir(qCos(angle), qSin(angle));
    painter.drawLine(center + dir * inner, center + dir * outer);
  }
  painter.restore();
}

QPen RoundPen(const QColor& color, double width) {
  QPen pen(color, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

}  // namespace sibylon::deckgen
