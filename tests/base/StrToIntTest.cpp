#include <gtest/gtest.h>

#include "base/AppError.h"
#include "base/StrToInt.h"

namespace sibylon {
namespace {

TEST(StrToIntTest, AcceptsDecimalWithOptionalSign) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {{"0", 0},
               {"7", 7},
               {"-1", -1},
               {"+12", 12},
               {"007", 7},
               {"2147483647", 2147483647},
               {"-2147483648", -2147483647 - 1}};
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToIntTest, RefusesEverythingElseWithTheUsersText) {
  for (const char* text : {"", " 1", "1 ", "-", "+", "1.0", "12a", "0x10", "$10", "1,5",
                           "2147483648", "-2147483649", "99999999999999999999"}) {
    EXPECT_FALSE(ParseInt(text).has_value()) << text;
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const AppError& error) {
      EXPECT_EQ(std::string(error.what()),
                "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace sibylon
