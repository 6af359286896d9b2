#include "reading/DeckViewPage.h"

#include "deck/CardCatalogue.h"
#include "reading/RenderReading.h"

namespace sibylon {
namespace {

struct Group {
  const char* heading;
  int first;
  int last;
};

// The five groups and their fixed headings; the suit names of the title set do not change them.
constexpr Group kGroups[] = {{"Trumps", 1, 22},
                             {"Fire Suit", 23, 36},
                             {"Water Suit", 37, 50},
                             {"Air Suit", 51, 64},
                             {"Earth Suit", 65, 78}};

std::string CellOpening(int card) {
  return "<td valign=\"top\" align=\"center\"><span class=\"cn\">" + std::to_string(card) +
         "</span><br />";
}

std::string ImageLine(std::string_view deck, int card) {
  return std::string("<img class=\"ic\" height=\"") + kCardPictureHeight + "\" src=\"" +
         PictureReference(
             CardPicturePath(std::string(deck) + "/", "normal", CardNumberText(card))) +
         "\" width=\"" + kCardPictureWidth + "\" border=\"0\" alt=\"\" /><br />";
}

}  // namespace

Lines DeckViewPage(std::string_view deck, const std::vector<std::string>& titles,
                   std::string_view code_page, bool frames) {
  const std::string name(deck);
  Lines page = {XhtmlDoctypeLine(), XhtmlHtmlLine(), "<head>", ContentTypeLine(code_page),
                "<title>" + name};
  const Lines style = MakeStyleBlock(frames);
  page.insert(page.end(), style.begin(), style.end());
  page.push_back("<body class=\"b\"><br /><span class=\"style5\">");
  page.push_back(name + "</span><br /><br />");

  for (const Group& group : kGroups) {
    page.push_back("<br /><div class=\"deckview\">");
    page.push_back(std::string("<span class=\"tn\">") + group.heading + "</span><br /><br />");
    page.push_back("<table cellspacing=\"0\" cellpadding=\"4\" width=\"1\" border=\"0\"><tbody>");
    const bool trumps = group.first == 1;
    std::string closing;  // the previous cell's closing tags, which open a suit's next line
    for (int card = group.first; card <= group.last; ++card) {
      const int place = card - group.first;  // cells count from the group's first card
      const bool starts_row = place % 3 == 0;
      const bool ends_row = place % 3 == 2 || card == group.last;
      const std::string& title = titles.at(static_cast<std::size_t>(card));
      const std::string opening = (starts_row ? "<tr>" : "") + CellOpening(card);
      const std::string cell_end = ends_row ? "</td></tr>" : "</td>";
      if (trumps) {
        page.push_back(opening);
        page.push_back(ImageLine(deck, card));
        page.push_back(title + cell_end);
      } else {
        page.push_back(closing + opening);
        page.push_back(ImageLine(deck, card));
        page.push_back(title);
        closing = cell_end;
      }
    }
    page.push_back(trumps ? "</tbody></table></div>" : closing + "</tbody></table></div>");
  }
  page.push_back("</body></html>");
  return page;
}

}  // namespace sibylon
