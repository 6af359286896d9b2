#include "base/StrToInt.h"

#include <charconv>
#include <string>

#include "base/AppError.h"

namespace sibylon {

std::optional<int> ParseInt(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  long long value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<int>(value);
}

int StrToInt(std::string_view text) {
  if (auto value = ParseInt(text)) return *value;
  throw NotAValidInteger(std::string(text));
}

}  // namespace sibylon
