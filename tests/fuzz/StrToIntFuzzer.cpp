// The integer conversion against the standard library's.
#include <charconv>
#include <cstdlib>

#include "FuzzInput.h"
#include "base/StrToInt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sibylon;
  const std::string_view text = fuzz::Text(data, size);
  const std::optional<int> parsed = ParseInt(text);
  // The same rule spelt another way: from_chars takes a '-' but no '+', and has to use every byte.
  std::string_view digits = text;
  const bool plus = !digits.empty() && digits.front() == '+';
  if (plus) digits.remove_prefix(1);
  int expected = 0;
  bool ok = false;
  if (!(plus && !digits.empty() && digits.front() == '-')) {
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, expected);
    ok = error == std::errc() && stop == end;
  }
  if (parsed.has_value() != ok) std::abort();
  if (parsed && *parsed != expected) std::abort();
  return 0;
}
