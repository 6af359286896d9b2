#include "ui/widgets/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace sibylon {
namespace {

void DrawCard(QPainter& p, QRectF r, QColor fill) {
  p.setPen(QPen(QColor("#3a2f5b"), 1));
  p.setBrush(fill);
  p.drawRoundedRect(r, 1.5, 1.5);
}

void DrawStar(QPainter& p, QPointF c, double outer, double inner, QColor color) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 ? inner : outer;
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    i == 0 ? path.moveTo(point) : path.lineTo(point);
  }
  path.closeSubpath();
  p.setPen(QPen(color.darker(140), 0.8));
  p.setBrush(color);
  p.drawPath(path);
}

void Draw(QPainter& p, int index) {
  switch (index) {
    case 0:  // About: an information disc
      p.setPen(QPen(QColor("#1f4e9c"), 1));
      p.setBrush(QColor("#3b7ddd"));
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(7, 3.5, 2.2, 2.2));
      p.drawRect(QRectF(7, 6.8, 2.2, 6));
      break;
    case 2:  // working lists: a gear
      p.setPen(QPen(QColor("#555"), 2.2));
      for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(QPointF(8 + 4 * std::cos(a), 8 + 4 * std::sin(a)),
                   QPointF(8 + 7 * std::cos(a), 8 + 7 * std::sin(a)));
      }
      p.setPen(QPen(QColor("#555"), 1));
      p.setBrush(QColor("#aaa"));
      p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(6, 6, 4, 4));
      break;
    case 8:  // reading: an open eye
      p.setPen(QPen(QColor("#5a2d82"), 1.2));
      p.setBrush(QColor("#f3ecfb"));
      {
        QPainterPath eye;
        eye.moveTo(1, 8);
        eye.quadTo(8, 1, 15, 8);
        eye.quadTo(8, 15, 1, 8);
        p.drawPath(eye);
      }
      p.setBrush(QColor("#7b3fb3"));
      p.drawEllipse(QRectF(5.5, 5.5, 5, 5));
      break;
    case 12:  // editors' sub-pages: a pencil
      p.setPen(QPen(QColor("#7a4b12"), 1));
      p.setBrush(QColor("#f2b33d"));
      {
        QPolygonF body({{3, 11}, {11, 3}, {13, 5}, {5, 13}});
        p.drawPolygon(body);
      }
      p.setBrush(QColor("#444"));
      p.drawPolygon(QPolygonF({{3, 11}, {5, 13}, {2, 14}}));
      break;
    case 18:  // card decks: two fanned cards
      p.save();
      p.translate(8, 9);
      p.rotate(-14);
      DrawCard(p, QRectF(-6, -6.5, 8, 12), QColor("#c9b8f0"));
      p.rotate(28);
      DrawCard(p, QRectF(-2, -7, 8, 12), QColor("#fdf6e3"));
      p.restore();
      DrawStar(p, QPointF(10, 8), 2.5, 1.1, QColor("#d4a017"));
      break;
    case 25:  // preferences: sliders
      p.setPen(QPen(QColor("#666"), 1.2));
      for (int y : {4, 8, 12}) p.drawLine(2, y, 14, y);
      p.setPen(QPen(QColor("#2f5f8a"), 1));
      p.setBrush(QColor("#6aa5d8"));
      p.drawRect(QRectF(9, 2, 3, 4));
      p.drawRect(QRectF(4, 6, 3, 4));
      p.drawRect(QRectF(10, 10, 3, 4));
      break;
    case 26:  // database: a cylinder
      p.setPen(QPen(QColor("#2d5e2d"), 1));
      p.setBrush(QColor("#7cc47c"));
      p.drawRect(QRectF(3, 4, 10, 9));
      p.drawEllipse(QRectF(3, 10.5, 10, 4));
      p.setPen(Qt::NoPen);
      p.drawRect(QRectF(3.5, 4, 9, 9));
      p.setPen(QPen(QColor("#2d5e2d"), 1));
      p.setBrush(QColor("#a8dca8"));
      p.drawEllipse(QRectF(3, 2, 10, 4));
      break;
    case 27:  // journal: an open book with a bookmark
      p.setPen(QPen(QColor("#5a3a1a"), 1));
      p.setBrush(QColor("#fdf6e3"));
      p.drawPolygon(QPolygonF({{1, 4}, {8, 5}, {8, 14}, {1, 13}}));
      p.drawPolygon(QPolygonF({{15, 4}, {8, 5}, {8, 14}, {15, 13}}));
      p.setPen(QPen(QColor("#b08a5a"), 0.8));
      for (double y : {7.0, 9.0, 11.0}) {
        p.drawLine(QPointF(2.5, y), QPointF(6.5, y + 0.5));
        p.drawLine(QPointF(9.5, y + 0.5), QPointF(13.5, y));
      }
      p.setPen(Qt::NoPen);
      p.setBrush(QColor("#c0392b"));
      p.drawPolygon(QPolygonF({{11, 1}, {13, 1}, {13, 6}, {12, 5}, {11, 6}}));
      break;
    case 41:  // new spread: a card with a star
      DrawCard(p, QRectF(3.5, 1.5, 9, 13), QColor("#fdf6e3"));
      DrawStar(p, QPointF(8, 8), 4, 1.7, QColor("#e0a800"));
      break;
    case 45:  // editors: a card and a pencil
      DrawCard(p, QRectF(1.5, 1.5, 8, 12), QColor("#e4dcf7"));
      p.setPen(QPen(QColor("#7a4b12"), 1));
      p.setBrush(QColor("#f2b33d"));
      p.drawPolygon(QPolygonF({{7, 13}, {13, 7}, {15, 9}, {9, 15}}));
      break;
    default:
      break;
  }
}

}  // namespace

QIcon ImageListIcon(int index) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    Draw(painter, index);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace sibylon
