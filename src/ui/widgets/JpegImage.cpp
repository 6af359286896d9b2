#include "ui/widgets/JpegImage.h"

// clang-format off
#include <cstdio>
#include <csetjmp>
#include <jpeglib.h>
// clang-format on

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

QImage DecodeJpeg(const QByteArray& bytes) {
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

QImage LoadJpegFile(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  return DecodeJpeg(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace sibylon
