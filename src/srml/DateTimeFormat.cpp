#include "srml/DateTimeFormat.h"

#include <cstdio>

namespace sibylon {
namespace {

void AppendNumber(std::string& text, int value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
  text += buffer;
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const std::tm& local) {
  std::string text;
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::string_view rest = pattern.substr(at);
    if (rest.starts_with("yyyy")) {
      AppendNumber(text, local.tm_year + 1900, 4);
      at += 4;
      continue;
    }
    int value = -1;
    if (rest.starts_with("mm")) {
      value = local.tm_mon + 1;
    } else if (rest.starts_with("dd")) {
      value = local.tm_mday;
    } else if (rest.starts_with("hh")) {
      value = local.tm_hour;
    } else if (rest.starts_with("nn")) {
      value = local.tm_min;
    }
    if (value >= 0) {
      AppendNumber(text, value, 2);
      at += 2;
    } else {
      text += pattern[at++];
    }
  }
  return text;
}

}  // namespace sibylon
