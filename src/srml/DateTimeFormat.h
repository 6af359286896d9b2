#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>

namespace sibylon {

// Formats a local time: "yyyy" the four-digit year, "mm" the month, "dd" the day, "hh" the hour
// 00-23, "nn" the minute, each two digits; every other character is copied as it is.
std::string FormatDateTime(std::string_view pattern, const std::tm& local);

// The patterns offered for the date of a reading, the first chosen initially.
inline const std::array<const char*, 3> kDateTimePatterns = {"yyyy-mm-dd, hh-nn", "yyyy-mm-dd",
                                                             "dd-mm-yyyy"};

}  // namespace sibylon
