#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

namespace sibylon {

// Decodes JPEG bytes with libjpeg; a null image when the bytes are not a decodable JPEG.
QImage DecodeJpeg(const QByteArray& bytes);

// Reads and decodes a JPEG file; fails with "Cannot open file" when it cannot be read.
QImage LoadJpegFile(const std::string& path);

// Decodes JPEG bytes at the smallest of libjpeg's scales (1, 1/2, 1/4, 1/8) that is still at least
// `min_height` pixels high: a large picture that will be scaled down anyway decodes several times
// faster. A null image when the bytes are not a decodable JPEG.
QImage DecodeJpegAtLeast(const QByteArray& bytes, int min_height);

// Encodes a picture as a baseline JPEG with libjpeg (optimised Huffman tables); empty bytes when
// libjpeg fails.
QByteArray EncodeJpeg(const QImage& image, int quality);

}  // namespace sibylon
