#include <gtest/gtest.h>

#include <algorithm>

#include "base/FileBytes.h"
#include "reading/JoinReadingPages.h"
#include "reading/RenderReading.h"
#include "support/ErrorOf.h"

namespace sibylon {
namespace {

Lines Page(bool frames) {
  static const Lines reading = ReadLinesFile(SIBYLON_GOLDEN "/reading-page/reading.srml");
  static const std::vector<std::string> titles(79, "title");
  RenderInputs inputs;
  inputs.reading = &reading;
  inputs.titles = &titles;
  inputs.deck_folder = "/deck/";
  inputs.options.frames = frames;
  inputs.options.meanings = true;
  inputs.descriptions = [](const std::string&) { return Lines{"text"}; };
  return RenderReading(inputs).page;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

// One head, the readings one after the other from a new sheet each, every link leading within its
// own reading.
TEST(JoinReadingPagesTest, OneDocumentOfTheReadingsInTurn) {
  const Lines page = Page(true);
  const Lines joined = JoinReadingPages({page, page, page}, "Journal");
  const std::string text = JoinLines(joined);

  const Lines head(page.begin(), std::find_if(page.begin(), page.end(), [](const std::string& l) {
                     return l.rfind("<body", 0) == 0;
                   }));
  ASSERT_GT(head.size(), 50u);
  EXPECT_TRUE(std::equal(head.begin(), head.begin() + 5, joined.begin()));
  EXPECT_EQ(joined[5], "Journal");
  EXPECT_TRUE(std::equal(head.begin() + 6, head.end(), joined.begin() + 6));  // the style block

  EXPECT_EQ(Count(text, "<head>"), 1u);
  EXPECT_EQ(Count(text, "<body"), 1u);
  EXPECT_EQ(Count(text, "</body></html>"), 1u);
  EXPECT_EQ(joined.back(), "</body></html>");
  EXPECT_EQ(Count(text, "<div class=\"b\">"), 1u);
  EXPECT_EQ(Count(text, "<div class=\"b\" style=\"page-break-before:always\">"), 2u);
  for (const char* reading : {"r1-", "r2-", "r3-"}) {
    const std::string r = reading;
    EXPECT_EQ(Count(text, "<a id=\"" + r + "top\" name=\"" + r + "top\"></a>"), 1u) << r;
    EXPECT_EQ(Count(text, "href=\"#" + r + "top\""), 3u) << r;  // the back link of each card
    // Each card's anchor, and the links to it from the table and the meanings.
    EXPECT_EQ(Count(text, "<a id=\"" + r + "a2\" name=\"" + r + "a2\"></a>"), 1u) << r;
    EXPECT_EQ(Count(text, "href=\"#" + r + "a2\""), 2u) << r;
  }
  EXPECT_EQ(Count(text, "\"#a"), 0u);
  EXPECT_EQ(Count(text, "id=\"top\""), 0u);
  EXPECT_EQ(Count(text, "\"#top\""), 0u);
}

TEST(JoinReadingPagesTest, NoReadingsNoDocument) {
  EXPECT_TRUE(JoinReadingPages({}, "Journal").empty());
  EXPECT_EQ(test::ErrorOf([] {
              JoinReadingPages({{"<html>", "</html>"}}, "Journal");
            }),
            "List index out of bounds (2)");
}

}  // namespace
}  // namespace sibylon
