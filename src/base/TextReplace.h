#pragma once

#include <string>
#include <string_view>

namespace sibylon {

// Replaces every occurrence of `what` in `text` by `with`, left to right, case-sensitive; the
// replacement text is not searched again.
std::string ReplaceAll(std::string text, std::string_view what, std::string_view with);

// Removes every occurrence of `what` from `text` (exact, case-sensitive).
std::string RemoveAll(std::string text, std::string_view what);

// Removes blanks and control characters (bytes up to 0x20) from both ends.
std::string Trim(std::string_view text);

}  // namespace sibylon
