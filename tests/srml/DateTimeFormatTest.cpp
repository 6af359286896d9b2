#include <gtest/gtest.h>

#include "srml/DateTimeFormat.h"

namespace sibylon {
namespace {

std::tm LocalTime(int year, int month, int day, int hour, int minute) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = 59;  // seconds are never shown
  return local;
}

TEST(DateTimeFormatTest, TheOfferedPatterns) {
  const std::tm deal = LocalTime(2008, 6, 5, 14, 7);
  EXPECT_EQ(FormatDateTime(kDateTimePatterns[0], deal), "2008-06-05, 14-07");
  EXPECT_EQ(FormatDateTime(kDateTimePatterns[1], deal), "2008-06-05");
  EXPECT_EQ(FormatDateTime(kDateTimePatterns[2], deal), "05-06-2008");
}

TEST(DateTimeFormatTest, OnlyTheFiveTokensAreReplaced) {
  struct Case {
    const char* pattern;
    std::tm local;
    const char* text;
  } cases[] = {
      {"hh-nn", LocalTime(2008, 1, 1, 0, 0), "00-00"},
      {"hh-nn", LocalTime(2008, 12, 31, 23, 59), "23-59"},  // a 24-hour clock
      {"mm/dd", LocalTime(2008, 12, 31, 23, 59), "12/31"},
      {"yyyy", LocalTime(987, 1, 1, 0, 0), "0987"},
      {"Date: yyyy", LocalTime(2008, 6, 5, 14, 7), "Date: 2008"},
      {"yyyyy mmm d h n", LocalTime(2008, 6, 5, 14, 7), "2008y 06m d h n"},
      {"YYYY MM", LocalTime(2008, 6, 5, 14, 7), "YYYY MM"},  // case matters
      {"", LocalTime(2008, 6, 5, 14, 7), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, c.local), c.text) << c.pattern;
}

}  // namespace
}  // namespace sibylon
