#include <gtest/gtest.h>

#include "base/TextLines.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

TEST(TextLinesTest, EveryKindOfLineEndEndsALine) {
  using namespace std::string_literals;
  struct Case {
    std::string text;
    Lines lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},  // a last line without an end still counts
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR are two line ends
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\0b\r\nc"s, {"a"}},  // NUL ends the text
      {"\0a"s, {}},
      {"", {}},
      {"\r\n", {""}},
      {"  x \t", {"  x \t"}},  // nothing is trimmed
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(TextLinesTest, WritesCrLfAfterEveryLineAndReadsTheSameLinesBack) {
  test::TempFolder folder;
  const Lines lines = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SPREAD\"]", "", "caf\xe9 <br />",
                       "last"};
  WriteLinesFile(folder.Path("doc.srml"), lines);
  EXPECT_EQ(folder.Read("doc.srml"),
            "[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SPREAD\"]\r\n\r\ncaf\xe9 <br />\r\nlast\r\n");
  EXPECT_EQ(ReadLinesFile(folder.Path("doc.srml")), lines);
  EXPECT_EQ(JoinLines({}), "");
}

}  // namespace
}  // namespace sibylon
