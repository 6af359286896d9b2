#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextLines.h"
#include "reading/PageWords.h"

namespace sibylon {

// The size every card picture is shown at, on the reading page and the deck view.
inline constexpr char kCardPictureWidth[] = "144";
inline constexpr char kCardPictureHeight[] = "233";

// What the Appearance preferences ask of the page.
struct PageOptions {
  bool name = false;      // the person's name
  bool date = true;       // the date and time of the deal
  bool question = false;  // the question
  bool numbers = false;   // position numbers above the cards
  bool titles = false;    // titles and orientation labels under the cards
  bool frames = false;    // a frame around every card box
  bool meanings = false;  // the list of position meanings
  bool reading = true;    // the texts of the cards and the spread's comments
  bool blank_on = true;
  std::string blank_text = "blank";
  bool normal_on = true;
  std::string normal_text = "Normal";
  bool reversed_on = true;
  std::string reversed_text = "Reversed";
  std::string code_page = "iso-8859-1";  // the charset the page declares
};

// Section name (CARD ID="n" TYPE="T") -> that card's text in the chosen description set.
using DescriptionLookup = std::function<Lines(const std::string& section_name)>;

struct RenderInputs {
  const Lines* reading = nullptr;                    // the held saved reading
  const std::vector<std::string>* titles = nullptr;  // the 79 card titles
  std::string deck_folder;                           // absolute, ending with '/'
  PageOptions options;
  PageWords words;
  DescriptionLookup descriptions;  // asked only when the page shows the texts
};

struct RenderedPage {
  Lines page;
  std::vector<std::string> orientation_labels;
};

// The reading page for the held reading, line by line. Fails (and returns nothing) on a reading
// that lacks a line it needs or holds a number that is not one. No reading stands for an empty
// holder, no titles for an empty title list, no lookup for a description set not chosen.
RenderedPage RenderReading(const RenderInputs& inputs);

// The lines from "</title>" to "</head>": 54, or 55 with frames around the cards.
Lines MakeStyleBlock(bool frames);

// One label per orientation word: "blank", then "normal", then "reversed" replaced in turn by the
// enabled label texts (or by nothing), each replacement working on the result of the one before.
std::vector<std::string> OrientationLabels(const Lines& mirrors, const PageOptions& options);

// The first lines that every generated page shares.
std::string XhtmlDoctypeLine();
std::string XhtmlHtmlLine();
std::string ContentTypeLine(std::string_view code_page);

// A picture path as it goes into a src attribute. The characters that mean something of their
// own in an address (%, blank, #, ?) and those that would end the attribute or the tag (" & < >)
// are percent-encoded, so the picture is found wherever the program is installed.
std::string PictureReference(std::string_view path);

}  // namespace sibylon
