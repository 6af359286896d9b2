#include <gtest/gtest.h>

#include "base/FileBytes.h"
#include "base/TextLines.h"
#include "reading/RenderReading.h"
#include "reading/SelfContainedPage.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

TEST(SelfContainedPageTest, Base64OfTheStandardsVectors) {
  const std::pair<const char*, const char*> vectors[] = {{"", ""},
                                                         {"f", "Zg=="},
                                                         {"fo", "Zm8="},
                                                         {"foo", "Zm9v"},
                                                         {"foob", "Zm9vYg=="},
                                                         {"fooba", "Zm9vYmE="},
                                                         {"foobar", "Zm9vYmFy"}};
  for (const auto& [bytes, encoded] : vectors) EXPECT_EQ(Base64(bytes), encoded) << bytes;
  EXPECT_EQ(Base64(std::string("\xff\x00\xfe", 3)), "/wD+");
}

// Every kind of reference a page or a stored text may hold: local ones are embedded however they
// are written, those that would fetch from elsewhere are emptied, links and text stay.
TEST(SelfContainedPageTest, LocalReferencesAreEmbeddedTheRestEmptied) {
  test::TempFolder folder;
  folder.Write("odd # folder %20?/card.jpg", "JPEG");
  folder.Write("xfiles/local.png", "PNG");
  const std::string jpeg = "data:image/jpeg;base64," + Base64("JPEG");
  const std::string png = "data:image/png;base64," + Base64("PNG");
  const std::string card = folder.Path("odd # folder %20?/card.jpg");

  const std::string page =
      "<p>1 < 2, and src=\"local.png\" is text</p>\r\n"
      "<img class=\"ic\" src=\"" +
      PictureReference(card) +
      "\" width=\"144\" alt=\"\" />\r\n"
      "<IMG SRC='local.png'><img src=local.png alt=x>\r\n"
      "<img src=\"file://" +
      PictureReference(card) +
      "\"><img src=\"http://example.org/a.jpg\">\r\n"
      "<img src=\"missing.jpg\"><img src=\"data:image/gif;base64,R0\"><img src=\"\">\r\n"
      "<table background=\"local.png\"><tr><td style=\"background:url('local.png')\">\r\n"
      "<style type=\"text/css\">.x {background: url(local.png)} .y {background: "
      "url(\"https://a/b\")}"
      "</style>\r\n"
      "<a href=\"#a1\">card</a><a href=\"https://example.org/\">web</a>\r\n"
      "<!-- <img src=\"local.png\"> -->\r\n";
  const std::string expected =
      "<p>1 < 2, and src=\"local.png\" is text</p>\r\n"
      "<img class=\"ic\" src=\"" +
      jpeg +
      "\" width=\"144\" alt=\"\" />\r\n"
      "<IMG SRC='" +
      png + "'><img src=" + png +
      " alt=x>\r\n"
      "<img src=\"" +
      jpeg +
      "\"><img src=\"\">\r\n"
      "<img src=\"\"><img src=\"data:image/gif;base64,R0\"><img src=\"\">\r\n"
      "<table background=\"" +
      png + "\"><tr><td style=\"background:url('" + png +
      "')\">\r\n"
      "<style type=\"text/css\">.x {background: url(" +
      png +
      ")} .y {background: url(\"\")}"
      "</style>\r\n"
      "<a href=\"#a1\">card</a><a href=\"https://example.org/\">web</a>\r\n"
      "<!-- <img src=\"local.png\"> -->\r\n";
  EXPECT_EQ(SelfContainedPage(page, folder.Path("xfiles/")), expected);
}

// A reading page as the program writes it: every picture is in the exported page, and no path of
// the machine is left in it.
TEST(SelfContainedPageTest, AReadingPageNeedsNothingBesideIt) {
  test::TempFolder folder;
  const std::string deck = folder.Path("cards/Deck #1/");
  folder.Write("cards/Deck #1/normal/12.jpg", "twelve");
  folder.Write("cards/Deck #1/reversed/7.jpg", "seven");
  folder.Write("cards/Deck #1/blank/0.jpg", "blank");
  const Lines reading = ReadLinesFile(SIBYLON_GOLDEN "/reading-page/reading.srml");
  const std::vector<std::string> titles(79, "title");
  RenderInputs inputs;
  inputs.reading = &reading;
  inputs.titles = &titles;
  inputs.deck_folder = deck;
  inputs.descriptions = [](const std::string&) { return Lines{"text"}; };
  const std::string page = JoinLines(RenderReading(inputs).page);
  ASSERT_NE(page.find("Deck%20%231"), std::string::npos);

  const std::string exported = SelfContainedPage(page, folder.Path("xfiles/"));
  EXPECT_EQ(exported.find(folder.Root()), std::string::npos);
  EXPECT_EQ(exported.find("Deck%20%231"), std::string::npos);
  for (const char* picture : {"twelve", "seven", "blank"}) {
    EXPECT_NE(exported.find("src=\"data:image/jpeg;base64," + Base64(picture) + "\""),
              std::string::npos)
        << picture;
  }
  std::size_t sources = 0;
  for (std::size_t at = exported.find("src=\""); at != std::string::npos;
       at = exported.find("src=\"", at + 1)) {
    ++sources;
    EXPECT_EQ(exported.compare(at + 5, 5, "data:"), 0);
  }
  EXPECT_EQ(sources, 6u);  // each card in the table and in the reading
}

}  // namespace
}  // namespace sibylon
