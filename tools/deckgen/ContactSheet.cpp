#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

#include "CardCatalog.h"

namespace sibylon::deckgen {

QImage ContactSheet::Compose(const std::vector<QImage>& cards) const {
  const int cell_width = kCardWidth / 2;
  const int cell_height = kCardHeight / 2;
  const int gap = 10;
  const int caption = 16;
  const int count = static_cast<int>(cards.size());
  const int rows = (count + kColumns - 1) / kColumns;
  QImage sheet(gap + kColumns * (cell_width + gap), gap + rows * (cell_height + caption + gap),
               QImage::Format_RGB32);
  sheet.fill(QColor("#3a3a40"));
  QPainter painter(&sheet);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(QColor("#e8e8ec"));
  for (int i = 0; i < count; ++i) {
    const int x = gap + (i % kColumns) * (cell_width + gap);
    const int y = gap + (i / kColumns) * (cell_height + caption + gap);
    // Smooth scaling shows what the program shows at its normal card size.
    painter.drawImage(QPoint(x, y), cards[i].scaled(cell_width, cell_height, Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation));
    painter.drawText(QRect(x, y + cell_height, cell_width, caption), Qt::AlignCenter,
                     QString::number(i));
  }
  return sheet;
}

}  // namespace sibylon::deckgen
