#pragma once

#include <optional>
#include <string_view>

namespace sibylon {

// The program's only text-to-number conversion: decimal digits with an optional leading sign,
// nothing else (no blanks, no hex), within the range of a 32-bit int.
std::optional<int> ParseInt(std::string_view text);

// ParseInt, failing with "'%s' is not a valid integer value".
int StrToInt(std::string_view text);

}  // namespace sibylon
