#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

namespace sibylon {

// Decodes JPEG bytes with libjpeg; a null image when the bytes are not a decodable JPEG.
QImage DecodeJpeg(const QByteArray& bytes);

// Reads and decodes a JPEG file; fails with "Cannot open file" when it cannot be read.
QImage LoadJpegFile(const std::string& path);

}  // namespace sibylon
