#include <gtest/gtest.h>

#include <algorithm>

#include "deck/CardTitles.h"
#include "reading/DeckViewPage.h"
#include "reading/SpreadPreview.h"

namespace sibylon {
namespace {

int Count(const Lines& lines, const std::string& piece) {
  int count = 0;
  for (const std::string& line : lines) {
    for (std::size_t at = line.find(piece); at != std::string::npos;
         at = line.find(piece, at + 1)) {
      ++count;
    }
  }
  return count;
}

TEST(DeckViewPageTest, ShowsThe78UprightPicturesInFiveGroups) {
  CardTitleList titles = ComposeCardTitleList(InitialTitleSet());
  titles[23] = "Ace of <b>Rods</b>";  // titles go in as they are, markup included
  const Lines page = DeckViewPage("My Deck", titles, "UTF-8", false);

  EXPECT_EQ(Count(page, "<img class=\"ic\""), 78);
  EXPECT_EQ(Count(page, "src=\"My%20Deck/normal/"), 78);
  EXPECT_EQ(Count(page, "reversed"), 0);
  EXPECT_EQ(Count(page, "blank/0.jpg"), 0);
  EXPECT_EQ(Count(page, "<tr>"), 8 + 4 * 5);  // trumps in 8 rows, each suit in 5
  for (const char* heading : {"Trumps", "Fire Suit", "Water Suit", "Air Suit", "Earth Suit"}) {
    EXPECT_EQ(Count(page, std::string("<span class=\"tn\">") + heading + "</span><br /><br />"), 1);
  }
  EXPECT_NE(std::find(page.begin(), page.end(), "Ace of <b>Rods</b>"), page.end());
  EXPECT_EQ(page[4], "<title>My Deck");
  EXPECT_EQ(page[5], "</title>");
  EXPECT_EQ(page.back(), "</body></html>");
}

TEST(DeckViewPageTest, SplitsTrumpAndSuitCellsOverTheirLines) {
  const CardTitleList titles = ComposeCardTitleList(InitialTitleSet());
  const Lines page = DeckViewPage("D", titles, "iso-8859-1", false);
  const auto at = [&](const std::string& line) {
    return std::find(page.begin(), page.end(), line) - page.begin();
  };
  // A trump: opening, picture, and the title closed by its cell (and row).
  const auto card3 = at("<td valign=\"top\" align=\"center\"><span class=\"cn\">3</span><br />");
  EXPECT_EQ(page[card3 + 1],
            "<img class=\"ic\" height=\"233\" src=\"D/normal/3.jpg\" width=\"144\" border=\"0\" "
            "alt=\"\" /><br />");
  EXPECT_EQ(page[card3 + 2], "</td></tr>");  // the title of trump 3 is empty before titles load
  const auto card22 =
      at("<tr><td valign=\"top\" align=\"center\"><span class=\"cn\">22</span><br />");
  EXPECT_EQ(page[card22 + 3], "</tbody></table></div>");
  // A suit: each title alone; the closing tags open the next cell's line.
  const auto ace = at("<tr><td valign=\"top\" align=\"center\"><span class=\"cn\">23</span><br />");
  EXPECT_EQ(page[ace + 2], "Ace of ");
  EXPECT_EQ(page[ace + 3],
            "</td><td valign=\"top\" align=\"center\"><span class=\"cn\">24</span><br />");
  EXPECT_NE(
      at("</td></tr><tr><td valign=\"top\" align=\"center\"><span class=\"cn\">26</span><br />"),
      static_cast<std::ptrdiff_t>(page.size()));
  // The first suit ends with card 36, whose rank word and suit name are still empty.
  EXPECT_EQ(page[at("</td></tr></tbody></table></div>") - 1], " of ");
}

TEST(SpreadPreviewTest, ShowsTheNameAndTheStoredDescription) {
  const Lines page = SpreadPreviewPage("Three Cards", {"One.<br />", "<br />"}, "UTF-8");
  ASSERT_EQ(page.size(), 11u);
  EXPECT_EQ(page[3], "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />");
  EXPECT_EQ(page[4], "<title>Three Cards</title>");
  EXPECT_EQ(
      page[7],
      "<span style=\"font-family:arial,verdana;font-size:16px;color:#3366cc;font-weight:bold\">"
      "Three Cards</span><br /><br />");
  EXPECT_EQ(page[8], "One.<br />");
  EXPECT_EQ(page[10], "</body></html>");
  EXPECT_EQ(SpreadPreviewPage("Empty", {}, "UTF-8").size(), 9u);
}

}  // namespace
}  // namespace sibylon
