#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace sibylon {

// The pictures of an imported deck: every card is written as a JPEG at most this high.
inline constexpr int kDeckPictureHeight = 600;
inline constexpr int kDeckPictureQuality = 90;

// A card picture from a file of any format an import reads: JPEG through libjpeg, PNG, WebP and
// SVG through Qt's image plugins (the format is told by the content, not the name). It is scaled
// down to at most `max_height` pixels high with its proportions, a vector picture drawn at that
// height, and transparent parts lie on white (JPEG has no transparency). A null image when the
// file cannot be read, with the reason in `error`.
QImage ReadCardPicture(const QString& path, int max_height, QString* error);

// The blank card of a deck without a card back: a plain light card of the deck's size.
QImage PlainCard(QSize size);

}  // namespace sibylon
