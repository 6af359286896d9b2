#include "SplashPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "BackPainter.h"
#include "CardCatalog.h"
#include "Shapes.h"

namespace sibylon::deckgen {
namespace {

const QColor kGold("#d9b24c");
const QColor kPale("#f8e7ac");

void PaintSky(QPainter& painter) {
  QLinearGradient sky(0, 0, SplashPainter::kWidth * 0.3, SplashPainter::kHeight);
  sky.setColorAt(0.0, QColor("#0b0820"));
  sky.setColorAt(0.55, QColor("#22174f"));
  sky.setColorAt(1.0, QColor("#3b2264"));
  painter.fillRect(QRect(0, 0, SplashPainter::kWidth, SplashPainter::kHeight), sky);
  // A violet glow behind the cards draws the eye to the right.
  QRadialGradient glow(QPointF(405, 125), 190);
  glow.setColorAt(0.0, QColor(150, 100, 220, 150));
  glow.setColorAt(1.0, QColor(150, 100, 220, 0));
  painter.fillRect(QRect(0, 0, SplashPainter::kWidth, SplashPainter::kHeight), glow);

  QRandomGenerator random(20240611u);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 140; ++i) {
    const QPointF point(random.bounded(SplashPainter::kWidth * 1.0),
                        random.bounded(SplashPainter::kHeight * 1.0));
    const double size = 0.5 + random.bounded(1.1);
    painter.setBrush(QColor(255, 248, 225, 60 + random.bounded(150)));
    painter.drawEllipse(point, size, size);
  }
  painter.setBrush(kPale);
  for (const QPointF sparkle : {QPointF(318, 28), QPointF(246, 122), QPointF(382, 44),
                                QPointF(150, 96), QPointF(345, 235)}) {
    painter.drawPath(StarPath(sparkle, 6, 1.6, 4));
  }
  // A thin crescent high on the right.
  painter.setBrush(QColor("#f3e6c0"));
  painter.drawPath(CrescentPath(QPointF(474, 34), 15, 6, 13));
}

void PaintFan(QPainter& painter) {
  const QPointF pivot(427, 246);
  const double scale = 0.27;
  const QRectF card(0, 0, kCardWidth, kCardHeight);
  QPainterPath outline;
  outline.addRoundedRect(card, 16, 16);
  for (const double angle : {-12.0, 12.0, 0.0}) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(angle);
    painter.translate(-kCardWidth * scale / 2, -kCardHeight * scale - 30);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(outline.translated(10, 12));
    painter.setClipPath(outline);
    BackPainter().Paint(painter);
    painter.restore();
  }
}

void PaintQuietAreas(QPainter& painter) {
  // Darken the lower left a little so the notices stay legible.
  QLinearGradient band(0, 172, 0, SplashPainter::kHeight);
  band.setColorAt(0.0, QColor(8, 6, 24, 0));
  band.setColorAt(0.35, QColor(8, 6, 24, 120));
  band.setColorAt(1.0, QColor(8, 6, 24, 170));
  painter.fillRect(QRect(0, 172, SplashPainter::kWidth, SplashPainter::kHeight - 172), band);
  // Title ornament below the product name: a gold rule with a star at its middle.
  QLinearGradient rule(24, 0, 300, 0);
  rule.setColorAt(0.0, QColor(217, 178, 76, 230));
  rule.setColorAt(1.0, QColor(217, 178, 76, 0));
  painter.setPen(QPen(QBrush(rule), 1.5));
  painter.drawLine(QPointF(26, 72), QPointF(300, 72));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGold);
  painter.drawPath(StarPath(QPointF(26, 72), 7, 2.2, 4));
}

}  // namespace

QImage SplashPainter::Paint() const {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  PaintSky(painter);
  PaintQuietAreas(painter);
  PaintFan(painter);
  return image;
}

}  // namespace sibylon::deckgen
