#include <gtest/gtest.h>

#include <cerrno>

#include "base/AppError.h"

namespace sibylon {
namespace {

TEST(AppErrorTest, MessagesReadAsTheUserSeesThem) {
  EXPECT_STREQ(CannotOpenFile("/a/b.srml", ENOENT).what(),
               "Cannot open file \"/a/b.srml\". No such file or directory");
  EXPECT_STREQ(CannotCreateFile("/x/y.txt", EACCES).what(),
               "Cannot create file \"/x/y.txt\". Permission denied");
  EXPECT_STREQ(ListIndexOutOfBounds(-1).what(), "List index out of bounds (-1)");
  EXPECT_STREQ(NotAValidInteger("12a").what(), "'12a' is not a valid integer value");
}

TEST(AppErrorTest, ErrorBoxAppendsAFullStopAfterCharactersThatSortAfterIt) {
  struct Case {
    const char* message;
    const char* shown;
  } cases[] = {
      {"'x' is not a valid integer value", "'x' is not a valid integer value."},
      {"List index out of bounds (3)", "List index out of bounds (3)"},
      {"Cannot open file \"a\". No such file or directory",
       "Cannot open file \"a\". No such file or directory."},
      {"Ends with a digit 7", "Ends with a digit 7."},
      {"Already ends.", "Already ends."},
      {"Ends with a comma,", "Ends with a comma,"},
      {"Ends with a slash/", "Ends with a slash/."},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

}  // namespace
}  // namespace sibylon
