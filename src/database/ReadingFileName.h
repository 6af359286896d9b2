#pragma once

#include <string>
#include <string_view>

namespace sibylon {

// The characters that never stand in a reading's file name or a spread's title.
inline constexpr std::string_view kRestrictedSymbols = "/|\\^:*<?>\"";

inline constexpr char kDefaultFileNameTemplate[] = "#N, #S, #D";
inline constexpr char kRestoredFileNameTemplate[] = "#N, #S, [#D]";

std::string RemoveRestrictedSymbols(std::string text);

// The file name a template gives: #S the spread, then #D the date, restricted symbols removed,
// the ends trimmed, and last #N the person's name as typed.
std::string PreviewFileName(std::string_view file_template, std::string_view spread_name,
                            std::string_view date_text, std::string_view person);

}  // namespace sibylon
