#include "CardPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>
#include <vector>

#include "BackPainter.h"
#include "EmblemPainter.h"
#include "Shapes.h"
#include "TrumpPainter.h"

namespace sibylon::deckgen {
namespace {

const QColor kFaceColor("#f6e6cc");
const QColor kCrownGold("#e8b53e");
const QColor kCrownInk("#5a3a08");

QFont SerifFont(int pixel_size, bool condensed = false) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(pixel_size);
  font.setBold(true);
  if (condensed) font.setStretch(QFont::Condensed);
  return font;
}

// Pip positions on a 3-column grid, rows from -1 (top) to 1 (bottom).
std::vector<QPointF> PipGrid(int count) {
  const double t = 1.0 / 3.0;
  switch (count) {
    case 2:
      return {{0, -1}, {0, 1}};
    case 3:
      return {{0, -1}, {0, 0}, {0, 1}};
    case 4:
      return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5:
      return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
    case 6:
      return {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 7:
      return {{-1, -1}, {1, -1}, {0, -0.5}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 8:
      return {{-1, -1}, {1, -1}, {0, -0.5}, {-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 9:
      return {{-1, -1}, {1, -1}, {-1, -t}, {1, -t}, {0, 0}, {-1, t}, {1, t}, {-1, 1}, {1, 1}};
    case 10:
      return {{-1, -1}, {1, -1}, {0, -2 * t}, {-1, -t}, {1, -t},
              {-1, t},  {1, t},  {0, 2 * t},  {-1, 1},  {1, 1}};
    default:
      return {{0, 0}};
  }
}

}  // namespace

QImage CardPainter::Paint(int number) const {
  QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
  const CardInfo info = DescribeCard(number);
  const CardPalette& palette = PaletteFor(info.suit);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
  if (info.suit == Suit::kBack) {
    BackPainter().Paint(painter);
    return image;
  }
  PaintBorder(painter, palette);
  PaintPictureGround(painter, palette, info.suit, number);
  painter.save();
  painter.setClipRect(kPictureArea.adjusted(1, 1, -1, -1));
  if (info.suit == Suit::kTrump) {
    TrumpPainter().Paint(painter, info.rank, kPictureArea);
  } else if (info.rank == 1) {
    PaintAce(painter, palette, info.suit);
  } else if (info.rank <= 10) {
    PaintPips(painter, info.suit, info.rank);
  } else {
    PaintCourt(painter, palette, info.suit, info.rank);
  }
  painter.restore();
  // Frame line drawn last so pictures never spill over it.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette.accent, 2.5));
  painter.drawRoundedRect(kPictureArea, 6, 6);
  PaintCartouche(painter, palette, kNumberArea, info.top_label, 26);
  PaintCartouche(painter, palette, kTitleArea, info.title, 22);
  return image;
}

void CardPainter::PaintBorder(QPainter& painter, const CardPalette& palette) {
  painter.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), palette.border);
  QLinearGradient paper(0, 0, 0, kCardHeight);
  paper.setColorAt(0.0, palette.paper_top);
  paper.setColorAt(1.0, palette.paper_bottom);
  painter.setPen(Qt::NoPen);
  painter.setBrush(paper);
  painter.drawRoundedRect(QRectF(7, 7, kCardWidth - 14, kCardHeight - 14), 14, 14);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette.accent, 2.5));
  painter.drawRoundedRect(QRectF(15, 15, kCardWidth - 30, kCardHeight - 30), 9, 9);
  // Small diamonds mark the corners of the inner frame.
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette.accent);
  const double inset = 15;
  for (const QPointF corner :
       {QPointF(inset, inset), QPointF(kCardWidth - inset, inset),
        QPointF(inset, kCardHeight - inset), QPointF(kCardWidth - inset, kCardHeight - inset)}) {
    QPainterPath diamond(corner + QPointF(0, -6));
    diamond.lineTo(corner + QPointF(6, 0));
    diamond.lineTo(corner + QPointF(0, 6));
    diamond.lineTo(corner + QPointF(-6, 0));
    diamond.closeSubpath();
    painter.drawPath(diamond);
  }
}

void CardPainter::PaintCartouche(QPainter& painter, const CardPalette& palette, const QRectF& area,
                                 const QString& text, int pixel_size) {
  painter.setPen(QPen(palette.accent, 2.5));
  painter.setBrush(palette.band);
  const double radius = qMin(area.height() / 2.0, 14.0);
  painter.drawRoundedRect(area, radius, radius);
  // Long titles shrink a little, then break onto two lines, never below a size that
  // stays readable when the card is shown at half size.
  const double room = area.width() - 16;
  const auto fits = [&text, room](const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(text) <= room;
  };
  QFont font = SerifFont(pixel_size);
  if (!fits(font)) font = SerifFont(pixel_size, true);
  for (int size = pixel_size - 1; size >= 18 && !fits(font); --size) {
    font = SerifFont(size, true);
  }
  int flags = Qt::AlignCenter;
  if (!fits(font)) flags |= Qt::TextWordWrap;
  painter.setFont(font);
  painter.setPen(palette.band_text);
  painter.drawText(area.adjusted(6, 0, -6, 0), flags, text);
}

void CardPainter::PaintPictureGround(QPainter& painter, const CardPalette& palette, Suit suit,
                                     int number) {
  QLinearGradient ground(0, kPictureArea.top(), 0, kPictureArea.bottom());
  ground.setColorAt(0.0, palette.picture_top);
  ground.setColorAt(1.0, palette.picture_bottom);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ground);
  painter.drawRoundedRect(kPictureArea, 6, 6);
  if (suit != Suit::kTrump) return;
  // A sprinkle of faint stars, different on every trump but the same on every run.
  QRandomGenerator random(static_cast<quint32>(number) * 7919u + 17u);
  QColor star = palette.light;
  star.setAlpha(110);
  painter.setBrush(star);
  for (int i = 0; i < 18; ++i) {
    const QPointF point(kPictureArea.left() + 8 + random.bounded(kPictureArea.width() - 16),
                        kPictureArea.top() + 8 + random.bounded(kPictureArea.height() - 16));
    painter.drawEllipse(point, 1.3, 1.3);
  }
}

void CardPainter::PaintPips(QPainter& painter, Suit suit, int count) {
  const QPointF center = kPictureArea.center();
  const double dx = 70;
  // Fewer pips leave room for bigger ones; round emblems need less height to match.
  const bool crowded = count >= 9;
  double height = crowded ? 70 : 94;
  if (suit == Suit::kCoins) {
    height = crowded ? 68 : 84;
  } else if (suit == Suit::kCups && !crowded) {
    height = count >= 7 ? 80 : 90;
  }
  const double dy = crowded ? 110 : 104;
  const EmblemPainter emblems;
  for (const QPointF& cell : PipGrid(count)) {
    emblems.Draw(painter, suit, center + QPointF(cell.x() * dx, cell.y() * dy), height);
  }
}

void CardPainter::PaintAce(QPainter& painter, const CardPalette& palette, Suit suit) {
  const QPointF center = kPictureArea.center();
  QRadialGradient glow(center, 120);
  QColor bright = palette.light;
  bright.setAlpha(200);
  QColor clear = palette.picture_bottom;
  clear.setAlpha(0);
  glow.setColorAt(0.0, Qt::white);
  glow.setColorAt(0.4, bright);
  glow.setColorAt(1.0, clear);
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(center, 120, 120);
  QColor ray = palette.accent;
  ray.setAlpha(150);
  DrawRays(painter, center, 70, 140, 112, 24, ray, 3);
  EmblemPainter().Draw(painter, suit, center, 224);
}

void CardPainter::PaintCourt(QPainter& painter, const CardPalette& palette, Suit suit, int rank) {
  const QPointF figure(kPictureArea.center().x(), 196);
  const QPointF head = figure + QPointF(0, -34);
  const double head_top = head.y() - 27;
  if (rank == kKnight) {
    PaintHorse(painter, palette, figure + QPointF(0, -4));
  } else {
    PaintBust(painter, palette, figure);
  }
  const QPen crown_pen = RoundPen(kCrownInk, 2);
  switch (rank) {
    case kPage: {
      // A soft cap with a feather: the youngest of the court.
      painter.setPen(RoundPen(palette.ink, 2));
      painter.setBrush(palette.extra);
      painter.drawPath(
          LeafPath(QPointF(head.x() + 10, head_top + 4), QPointF(head.x() + 44, head_top - 46), 9));
      painter.setBrush(palette.band);
      painter.drawEllipse(QPointF(head.x() - 4, head_top + 6), 33, 13);
      break;
    }
    case kQueen: {
      painter.setPen(crown_pen);
      painter.setBrush(kCrownGold);
      painter.drawPath(CrownPath(QPointF(head.x(), head_top + 12), 60, 44, 3));
      painter.setBrush(QColor("#fff6df"));
      for (const double x : {-20.0, 0.0, 20.0}) {
        const double tip = (x == 0.0) ? 44 : 44 * 0.82;
        painter.drawEllipse(QPointF(head.x() + x, head_top + 12 - tip), 4.5, 4.5);
      }
      break;
    }
    case kKing: {
      painter.setPen(crown_pen);
      painter.setBrush(kCrownGold);
      const QPointF base(head.x(), head_top + 12);
      painter.drawPath(CrownPath(base, 66, 52, 5));
      // A cross above the tallest tip marks the highest rank.
      painter.setPen(RoundPen(kCrownGold, 5));
      painter.drawLine(base + QPointF(0, -54), base + QPointF(0, -72));
      painter.drawLine(base + QPointF(-7, -65), base + QPointF(7, -65));
      painter.setPen(crown_pen);
      painter.setBrush(palette.extra);
      painter.drawEllipse(base + QPointF(0, -9), 5, 5);
      break;
    }
    default:
      break;
  }
  EmblemPainter().Draw(painter, suit, QPointF(figure.x(), 316), 124);
}

void CardPainter::PaintBust(QPainter& painter, const CardPalette& palette, QPointF center) {
  QPainterPath body(center + QPointF(-76, 72));
  body.cubicTo(center + QPointF(-76, 26), center + QPointF(-48, 12), center + QPointF(-15, 8));
  body.lineTo(center + QPointF(-11, -10));
  body.lineTo(center + QPointF(11, -10));
  body.lineTo(center + QPointF(15, 8));
  body.cubicTo(center + QPointF(48, 12), center + QPointF(76, 26), center + QPointF(76, 72));
  body.closeSubpath();
  painter.setPen(RoundPen(palette.accent, 2.5));
  painter.setBrush(palette.band);
  painter.drawPath(body);
  // Collar trim.
  painter.setPen(RoundPen(palette.extra, 4));
  QPainterPath collar(center + QPointF(-30, 12));
  collar.quadTo(center + QPointF(0, 34), center + QPointF(30, 12));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(collar);
  painter.setPen(RoundPen(palette.ink, 2));
  painter.setBrush(kFaceColor);
  painter.drawEllipse(center + QPointF(0, -34), 25, 28);
}

void CardPainter::PaintHorse(QPainter& painter, const CardPalette& palette, QPointF center) {
  const auto at = [&center](double x, double y) { return center + QPointF(x, y); };
  // A horse's head in profile, facing left, like a chess knight.
  QPainterPath head(at(50, 76));
  head.cubicTo(at(56, 20), at(46, -30), at(24, -58));
  head.lineTo(at(28, -98));
  head.lineTo(at(6, -68));
  head.cubicTo(at(-12, -66), at(-32, -50), at(-46, -30));
  head.cubicTo(at(-56, -16), at(-70, -2), at(-66, 12));
  head.cubicTo(at(-62, 24), at(-50, 28), at(-38, 22));
  head.cubicTo(at(-24, 16), at(-14, 12), at(-4, 18));
  head.cubicTo(at(-14, 38), at(-28, 56), at(-34, 76));
  head.closeSubpath();
  // Mane along the back of the neck.
  QPainterPath mane(at(22, -60));
  for (int i = 0; i < 6; ++i) {
    const double y = -56 + i * 22;
    mane.lineTo(at(54 + (i % 2) * 4, y + 6));
    mane.lineTo(at(40, y + 16));
  }
  mane.lineTo(at(46, 76));
  mane.closeSubpath();
  painter.setPen(RoundPen(palette.ink, 2));
  painter.setBrush(palette.extra);
  painter.drawPath(mane);
  painter.setPen(RoundPen(palette.accent, 2.5));
  painter.setBrush(palette.band);
  painter.drawPath(head);
  // Bridle, eye and nostril.
  painter.setPen(RoundPen(palette.extra, 3.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(at(-44, -6), at(12, -50));
  painter.drawLine(at(-30, 12), at(-44, -6));
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette.band_text);
  painter.drawEllipse(at(-8, -40), 5, 5);
  painter.drawEllipse(at(-56, 6), 3.5, 3.5);
}

}  // namespace sibylon::deckgen
