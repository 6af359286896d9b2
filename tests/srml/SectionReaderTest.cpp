#include <gtest/gtest.h>

#include "base/AppError.h"
#include "srml/SectionReader.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

TEST(SectionReaderTest, TakesTheLinesBetweenTheLastStartAndTheLastEndTag) {
  struct Case {
    const char* what;
    Lines document;
    Lines section;
  } cases[] = {
      {"plain", {"[H]", "[A]", "x", "y", "[/A]", "[/H]"}, {"x", "y"}},
      {"empty section", {"[A]", "[/A]"}, {}},
      {"start tag with a trailing space", {"[A] ", "x", "[/A]"}, {}},
      {"start tag in lower case", {"[a]", "x", "[/A]"}, {}},
      {"the second occurrence wins", {"[A]", "one", "[/A]", "[A]", "two", "[/A]"}, {"two"}},
      {"the last end tag wins", {"[A]", "x", "[/A]", "y", "[/A]"}, {"x", "[/A]", "y"}},
      {"end tag before start tag", {"[/A]", "[A]", "x"}, {}},
      {"no start tag", {"x", "[/A]"}, {}},
      {"no end tag", {"[A]", "x"}, {}},
      {"empty document", {}, {}},
      {"other sections are not content", {"[B]", "b", "[/B]", "[A]", "a", "[/A]"}, {"a"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SectionReader(c.document, "A"), c.section) << c.what;

  const Lines set = {"[CARD ID=\"0\" TYPE=\"BLANK\"]", "Black Hole",
                     "[/CARD ID=\"0\" TYPE=\"BLANK\"]"};
  EXPECT_EQ(SectionReader(set, "CARD ID=\"0\" TYPE=\"BLANK\""), Lines{"Black Hole"});
  EXPECT_EQ(SectionReader(set, "CARD ID=\"0\" TYPE=\"blank\""), Lines{});
}

std::string ErrorOf(const SectionSources& sources, const char* selector) {
  return test::ErrorOf([&] { SectionReader(sources, selector, "A"); });
}

TEST(SectionReaderTest, SelectorsNameTheirDocuments) {
  test::TempFolder app;
  app.Write("spreads/Three Cards.srml", "[A]\nspread\n[/A]\n");        // LF line ends
  app.Write("descriptions/Custom.srml", "[A]\r\ncustom\r\n[/A]\r\n");  // CR LF line ends
  app.Write("descriptions/Full.srml", "[A]\rfull\r[/A]\r");            // CR line ends
  app.Write("editor.srml", "[A]\r\neditor\r\n[/A]\r\n");
  const Lines held = {"[A]", "held", "[/A]"};

  SectionSources sources;
  sources.app_folder = app.Root();
  sources.spread_editor_file = app.Path("editor.srml");
  sources.selected_spread = "Three Cards";
  sources.selected_description_set = "Full";
  sources.held_reading = &held;
  EXPECT_EQ(SectionReader(sources, "CSS", "A"), Lines{"spread"});
  EXPECT_EQ(SectionReader(sources, "CDE", "A"), Lines{"custom"});
  EXPECT_EQ(SectionReader(sources, "CDS", "A"), Lines{"full"});
  EXPECT_EQ(SectionReader(sources, "CSE", "A"), Lines{"editor"});
  EXPECT_EQ(SectionReader(sources, "CSS1", "A"), Lines{"held"});
  EXPECT_EQ(SectionReader(sources, "css", "A"), Lines{});  // selectors match byte for byte

  SectionSources none;
  none.app_folder = app.Path("no such folder/");
  none.held_reading = &held;
  EXPECT_EQ(SectionReader(none, "CSS1", "A"), Lines{"held"});  // touches no file
  EXPECT_EQ(ErrorOf(none, "CSS"), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf(none, "CDS"), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf(none, "CSE"), "Cannot open file \"\". No such file or directory");
  none.selected_spread = "Gone";
  EXPECT_EQ(ErrorOf(none, "CSS"), "Cannot open file \"" +
                                      app.Path("no such folder/spreads/Gone.srml") +
                                      "\". No such file or directory");
}

TEST(SectionReaderTest, ALargeDocumentWithANulInTheMiddleReadsUpToTheNul) {
  test::TempFolder app;
  std::string big;
  big.reserve(50u << 20);
  big += "[A]\r\n";
  const std::string filler(98, 'x');
  while (big.size() < (25u << 20)) big += filler + "\r\n";
  big += "[/A]\r\n";
  const std::size_t before_nul = big.size();
  big += std::string(1, '\0') + "[/A]\r\n";
  while (big.size() < (50u << 20)) big += filler + "\r\n";
  app.Write("descriptions/Custom.srml", big);

  SectionSources sources;
  sources.app_folder = app.Root();
  const Lines section = SectionReader(sources, "CDE", "A");
  EXPECT_EQ(section.size(), (before_nul - 11) / 100);
  EXPECT_EQ(section.back(), filler);
}

}  // namespace
}  // namespace sibylon
