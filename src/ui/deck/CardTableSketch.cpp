#include "ui/deck/CardTableSketch.h"

#include <QPainter>
#include <algorithm>

namespace sibylon {
namespace {

// A card's box on the reading page, in the page's pixels.
QRectF PageBox(const CardPlace& place) {
  return QRectF(place.left * 4.4 - 5, 5.0 * place.top - 5, 144, 233);
}

}  // namespace

CardTableSketch::CardTableSketch(std::vector<std::optional<CardPlace>> places, QWidget* parent)
    : QWidget(parent), places_(std::move(places)), laid_(places_.size(), false) {
  setMinimumSize(sizeHint());
}

void CardTableSketch::SetCurrent(int position) {
  current_ = position;
  update();
}

void CardTableSketch::SetLaid(std::vector<bool> laid) {
  laid_ = std::move(laid);
  update();
}

void CardTableSketch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(0xE9, 0xE9, 0xE9));
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  QRectF bounds;
  for (const auto& place : places_) {
    if (place) bounds = bounds.isNull() ? PageBox(*place) : bounds.united(PageBox(*place));
  }
  if (bounds.isNull()) return;
  const QRectF room = QRectF(rect()).adjusted(6, 6, -6, -6);
  const double scale = std::min(room.width() / bounds.width(), room.height() / bounds.height());
  const QPointF offset =
      room.center() - QPointF(bounds.center().x() * scale, bounds.center().y() * scale);
  QFont font = painter.font();
  font.setPixelSize(std::clamp(static_cast<int>(233 * scale * 0.35), 7, 14));
  font.setBold(true);
  painter.setFont(font);

  // The current card last, so that it stands above the cards it covers.
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(places_.size()); ++i) {
    if (i != current_) order.push_back(i);
  }
  if (current_ >= 0 && current_ < static_cast<int>(places_.size())) order.push_back(current_);
  for (int i : order) {
    if (!places_[static_cast<std::size_t>(i)]) continue;
    const QRectF page = PageBox(*places_[static_cast<std::size_t>(i)]);
    const QRectF box(offset + page.topLeft() * scale, page.size() * scale);
    const bool current = i == current_;
    const bool laid = static_cast<std::size_t>(i) < laid_.size() && laid_[i];
    painter.setPen(
        QPen(current ? QColor(0xCC, 0x33, 0x33) : QColor(0x66, 0x66, 0x66), current ? 2.5 : 1));
    painter.setBrush(current ? QColor(0xFF, 0xF0, 0xC0)
                     : laid  ? QColor(0xC8, 0xD8, 0xF0)
                             : QColor(Qt::white));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, QString::number(i + 1));
  }
}

}  // namespace sibylon
