#pragma once

#include <stdexcept>
#include <string>

namespace sibylon {

// The one error type of the program. Its text is what the user reads in the error box, so every
// failing step of a user action reports exactly its own message.
class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The four messages that reach the user. `error_number` is an errno value; its system text
// becomes the reason.
AppError CannotOpenFile(const std::string& path, int error_number);
AppError CannotCreateFile(const std::string& path, int error_number);
AppError ListIndexOutOfBounds(long long index);
AppError NotAValidInteger(const std::string& text);

// The text of the standard error box: a full stop is appended when the message's last character
// sorts after "." (letters and digits do; ")" and "." do not).
std::string ErrorBoxText(const std::string& message);

}  // namespace sibylon
