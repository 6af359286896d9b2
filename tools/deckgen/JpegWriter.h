#pragma once

#include <QImage>
#include <QString>

namespace sibylon::deckgen {

// Writes pictures as baseline JPEG files through libjpeg, the same library the program
// reads them with.
class JpegWriter {
 public:
  explicit JpegWriter(int quality) : quality_(quality) {}

  // Returns false and fills `error` when the file cannot be written.
  bool Write(const QImage& image, const QString& path, QString* error) const;

 private:
  int quality_;
};

}  // namespace sibylon::deckgen
