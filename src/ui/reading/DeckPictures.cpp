#include "ui/reading/DeckPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "ui/widgets/JpegImage.h"
#include "ui/widgets/Translate.h"

namespace sibylon {
namespace {

// The width of a picture of `size` drawn `height` pixels high with its proportions.
int WidthAt(QSize size, int height) {
  return std::max(1, qRound(static_cast<double>(size.width()) * height / size.height()));
}

bool IsJpeg(const QByteArray& bytes) { return bytes.startsWith("\xFF\xD8\xFF"); }

QImage OnWhite(const QImage& image) {
  if (!image.hasAlphaChannel()) return image;
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  return flat;
}

}  // namespace

QImage ReadCardPicture(const QString& path, int max_height, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return {};
  }
  QByteArray bytes = file.readAll();
  file.close();
  QImage image;
  if (IsJpeg(bytes)) {
    image = DecodeJpegAtLeast(bytes, max_height);
    if (image.isNull()) *error = Tr("The JPEG picture is damaged.", "Картинка JPEG повреждена.");
  } else {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A vector picture has no size of its own that matters: it is drawn at the height wanted.
    if (reader.format() == "svg" || reader.format() == "svgz") {
      const QSize natural = reader.size();
      if (natural.isValid() && natural.height() > 0) {
        reader.setScaledSize(QSize(WidthAt(natural, max_height), max_height));
      }
    }
    image = reader.read();
    if (image.isNull()) *error = reader.errorString();
  }
  if (image.isNull()) return {};
  if (image.height() > max_height) {
    image = image.scaled(QSize(WidthAt(image.size(), max_height), max_height),
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return OnWhite(image);
}

QImage PlainCard(QSize size) {
  QImage card(size, QImage::Format_RGB32);
  card.fill(QColor(0xf4, 0xf1, 0xe8));
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing);
  const int margin = std::max(2, size.width() / 24);
  QPen pen(QColor(0xb8, 0xb0, 0x9c));
  pen.setWidth(std::max(1, size.width() / 120));
  painter.setPen(pen);
  painter.drawRoundedRect(QRectF(card.rect()).adjusted(margin, margin, -margin, -margin), margin,
                          margin);
  return card;
}

}  // namespace sibylon
