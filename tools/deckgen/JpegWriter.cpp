#include "JpegWriter.h"

// clang-format off
#include <cstdio>
#include <csetjmp>
#include <jpeglib.h>
// clang-format on

#include <QFile>

namespace sibylon::deckgen {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

}  // namespace

bool JpegWriter::Write(const QImage& image, const QString& path, QString* error) const {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
  if (file == nullptr) {
    *error = QStringLiteral("Cannot create %1").arg(path);
    return false;
  }
  jpeg_compress_struct info;
  ErrorManager errors;
  errors.message[0] = '\0';
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    std::fclose(file);
    *error =
        QStringLiteral("Cannot write %1: %2").arg(path, QString::fromLocal8Bit(errors.message));
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(rgb.width());
  info.image_height = static_cast<JDIMENSION>(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality_, TRUE);
  // Optimised Huffman tables shrink the files without touching the picture.
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  if (std::fclose(file) != 0) {
    *error = QStringLiteral("Cannot finish %1").arg(path);
    return false;
  }
  return true;
}

}  // namespace sibylon::deckgen
