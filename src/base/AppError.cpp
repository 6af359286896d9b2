#include "base/AppError.h"

#include <cstring>

namespace sibylon {

AppError CannotOpenFile(const std::string& path, int error_number) {
  return AppError("Cannot open file \"" + path + "\". " + std::strerror(error_number));
}

AppError CannotCreateFile(const std::string& path, int error_number) {
  return AppError("Cannot create file \"" + path + "\". " + std::strerror(error_number));
}

AppError ListIndexOutOfBounds(long long index) {
  return AppError("List index out of bounds (" + std::to_string(index) + ")");
}

AppError NotAValidInteger(const std::string& text) {
  return AppError("'" + text + "' is not a valid integer value");
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

}  // namespace sibylon
