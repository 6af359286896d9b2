#include "ui/widgets/JpegImage.h"

// clang-format off
#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <jpeglib.h>
// clang-format on

#include <memory>

#include "base/FileBytes.h"

namespace sibylon {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr) {}  // warnings of damaged files are not the user's concern

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) { return DecodeJpegAtLeast(bytes, 0); }

QImage DecodeJpegAtLeast(const QByteArray& bytes, int min_height) {
  if (bytes.isEmpty()) return {};
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.output_message = OnMessage;
  QImage image;  // constructed before setjmp so a jump leaves it in a defined state
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  if (min_height > 0) {
    unsigned int denominator = 8;
    while (denominator > 1 && (info.image_height + denominator - 1) / denominator <
                                  static_cast<unsigned>(min_height)) {
      denominator /= 2;
    }
    info.scale_num = 1;
    info.scale_denom = denominator;
  }
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.output_message = OnMessage;
  // libjpeg's output buffer lives outside this frame, so a jump leaves it known.
  struct Output {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~Output() { std::free(buffer); }
  };
  const auto output = std::make_unique<Output>();
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    return {};
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &output->buffer, &output->size);
  info.image_width = static_cast<JDIMENSION>(rgb.width());
  info.image_height = static_cast<JDIMENSION>(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return QByteArray(reinterpret_cast<const char*>(output->buffer),
                    static_cast<qsizetype>(output->size));
}

QImage LoadJpegFile(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  return DecodeJpeg(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace sibylon
