#include <gtest/gtest.h>

#include "database/ReadingFileName.h"

namespace sibylon {
namespace {

TEST(ReadingFileNameTest, TemplatesExpandSpreadThenDateThenName) {
  const struct {
    const char* file_template;
    const char* date;
    const char* person;
    const char* spread;
    const char* name;
  } cases[] = {
      {kDefaultFileNameTemplate, "2008-06-05, 14-30", "Anna", "Celtic Cross",
       "Anna, Celtic Cross, 2008-06-05, 14-30"},
      {kRestoredFileNameTemplate, "2008-06-05, 14-30", "Anna", "Celtic Cross",
       "Anna, Celtic Cross, [2008-06-05, 14-30]"},
      {kDefaultFileNameTemplate, "05-06-2008", "Anna", "Celtic Cross",
       "Anna, Celtic Cross, 05-06-2008"},
      // The ends are trimmed before the name goes in.
      {kDefaultFileNameTemplate, "05-06-2008", "", "Celtic Cross", ", Celtic Cross, 05-06-2008"},
      {"#N: #S", "05-06-2008", "Anna", "Celtic Cross", "Anna Celtic Cross"},
      // The name stays as typed: restricted symbols, fields and blanks included.
      {kDefaultFileNameTemplate, "05-06-2008", "A/B", "Celtic Cross",
       "A/B, Celtic Cross, 05-06-2008"},
      {"#N, #S", "x", " A #S ", "Celtic Cross", " A #S , Celtic Cross"},
      // The spread goes in first, so a field in its name is expanded; its symbols are removed.
      {"#S", "2008", "Anna", "Year #D?", "Year 2008"},
      {"\t #S:#D \r\n", "05/06", "", "Tree", "Tree0506"},
      {"#D #d #n", "2008", "Anna", "", "2008 #d #n"},  // fields are upper case only
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PreviewFileName(c.file_template, c.spread, c.date, c.person), c.name)
        << c.file_template << " / " << c.person;
  }
}

TEST(ReadingFileNameTest, RestrictedSymbolsAreRemovedAndNothingElse) {
  EXPECT_EQ(kRestrictedSymbols.size(), 10u);
  const struct {
    const char* typed;
    const char* kept;
  } cases[] = {
      {"a/b|c\\d^e:f*g<h?i>j\"k", "abcdefghijk"},
      {"A/B", "AB"},
      {"?", ""},
      {" [Anna], Celtic Cross; 05-06-2008 ", " [Anna], Celtic Cross; 05-06-2008 "},
  };
  for (const auto& c : cases) EXPECT_EQ(RemoveRestrictedSymbols(c.typed), c.kept) << c.typed;
}

}  // namespace
}  // namespace sibylon
