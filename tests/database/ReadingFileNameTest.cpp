#include "database/ReadingFileName.h"

#include <gtest/gtest.h>

namespace sibylon {
namespace {

TEST(ReadingFileNameTest, TemplatesExpandSpreadThenDateThenName) {
  struct Case {
    const char* file_template;
    const char* date;
    const char* person;
    const char* spread;
    const char* name;
  } cases[] = {
      {"#N, #S, #D", "2008-06-05, 14-30", "Anna", "Celtic Cross", "Anna, Celtic Cross, 2008-06-05, 14-30"},
      {"#N, #S, [#D]", "2008-06-05, 14-30", "Anna", "Celtic Cross", "Anna, Celtic Cross, [2008-06-05, 14-30]"},
      {"#N, #S, #D", "05-06-2008", "Anna", "Celtic Cross", "Anna, Celtic Cross, 05-06-2008"},
      {"#N, #S, #D", "05-06-2008", "", "Celtic Cross", ", Celtic Cross, 05-06-2008"},
      {"#N: #S", "05-06-2008", "Anna", "Celtic Cross", "Anna Celtic Cross"},
      {"#N, #S", "x", "A/B #S", "Celtic Cross", "A/B #S, Celtic Cross"},  // the name stays as typed
      {"#S", "2008", "Anna", "Year #D", "Year 2008"},                      // the spread goes in first
      {"  #S?  ", "", "", "Tree", "Tree"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PreviewFileName(c.file_template, c.spread, c.date, c.person), c.name) << c.file_template;
  }
}

TEST(ReadingFileNameTest, RestrictedSymbolsAreRemoved) {
  EXPECT_EQ(RemoveRestrictedSymbols("a/b|c\\d^e:f*g<h?i>j\"k [l]"), "abcdefghijk [l]");
}

}  // namespace
}  // namespace sibylon
