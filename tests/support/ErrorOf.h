#pragma once

#include <string>

#include "base/AppError.h"

namespace sibylon::test {

// The message a call fails with, or "no error".
template <typename Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const AppError& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace sibylon::test
