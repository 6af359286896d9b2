#include <gtest/gtest.h>

#include <algorithm>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "reading/RenderReading.h"
#include "support/ErrorOf.h"

namespace sibylon {
namespace {

using test::ErrorOf;

const std::string kCases = SIBYLON_GOLDEN "/reading-page/";

std::vector<std::string> Titles() {
  std::vector<std::string> titles(79);
  for (int n = 0; n < 79; ++n) titles[n] = "Title " + std::to_string(n);
  titles[0] = "Blank Card";
  titles[7] = "The Chariot";
  titles[12] = "The Hanged Man";
  return titles;
}

// A rendering of `reading` with the initial page options and a deck folder whose path holds
// characters that mean something of their own in an address.
struct Render {
  explicit Render(Lines reading_lines) : reading(std::move(reading_lines)) {
    inputs.reading = &reading;
    inputs.titles = &titles;
    inputs.deck_folder = "/opt/Sibylon Test/cards/Deck #1/";
    inputs.words = EnglishPageWords();
    inputs.descriptions = [](const std::string& section) {
      return Lines{"Text of " + section + ".<br />"};
    };
  }
  Lines Page() const { return RenderReading(inputs).page; }
  bool Has(const std::string& line) const {
    const Lines page = Page();
    return std::find(page.begin(), page.end(), line) != page.end();
  }

  Lines reading;
  std::vector<std::string> titles = Titles();
  RenderInputs inputs;
};

// Three cards: 12 upright, 7 reversed and the blank card.
Lines Fixture() { return ReadLinesFile(kCases + "reading.srml"); }

// The fixture with one section's content replaced.
Lines WithSection(Lines reading, const std::string& name, const Lines& content) {
  const auto start = std::find(reading.begin(), reading.end(), "[" + name + "]") + 1;
  const auto end = std::find(start, reading.end(), "[/" + name + "]");
  reading.insert(reading.erase(start, end), content.begin(), content.end());
  return reading;
}

TEST(RenderReadingTest, PagesEqualTheirReviewedFiles) {
  Render render(Fixture());
  EXPECT_EQ(JoinLines(render.Page()), ReadFileBytes(kCases + "default/page.html"));

  PageOptions& all = render.inputs.options;
  all.name = all.date = all.question = all.numbers = all.titles = all.frames = all.meanings =
      all.reading = true;
  all.code_page = "UTF-8";  // named in the meta line only; the bytes stay as they are
  EXPECT_EQ(JoinLines(render.Page()), ReadFileBytes(kCases + "all-options/page.html"));
  EXPECT_EQ(RenderReading(render.inputs).orientation_labels,
            (std::vector<std::string>{"Normal", "Reversed", "blank"}));
}

TEST(RenderReadingTest, TheStyleBlockKeepsItsExactBlanksAndTabs) {
  const Lines plain = MakeStyleBlock(false);
  const Lines framed = MakeStyleBlock(true);
  ASSERT_EQ(plain.size(), 54u);
  ASSERT_EQ(framed.size(), 55u);
  // Line numbers of the framed block; without the frame rule (line 39) the later lines move up.
  const struct {
    int line;
    std::string text;
  } lines[] = {
      {1, "</title>"},
      {35,
       "\tposition:absolute;            /* */         padding:2px;         width:144px; "
       "/* why? 4+90+4=98 not 102 */"},
      {38, "\tz-index:101; /* border:1px; border-color:#666666; border-style:solid */"},
      {40, "}"},
      {46, ""},
      {47, "\tz-index:1;"},
      {48, "\t"},
      {49, "\t"},
      {55, "</head>"},
  };
  for (const auto& l : lines) {
    EXPECT_EQ(framed[l.line - 1], l.text) << "line " << l.line;
    EXPECT_EQ(plain[l.line - 2 + (l.line < 39)], l.text) << "line " << l.line;
  }
  EXPECT_EQ(framed[38],
            "background-color:#FFFFFF; border:1px; border-color:#006699; border-style:solid;");
}

TEST(RenderReadingTest, CardsStandWhereTheirPositionsSay) {
  const struct {
    Lines positions;
    std::string first_box;
    std::string table;
  } cases[] = {
      {{"7,12", "0,0", "0,0"},
       "<div id=\"C\" align=\"center\" style=\"left:26px; top:55px\">",
       "<hr /><div id=\"B\" style=\"height:350px;\">"},
      {{"0,0", "1,1", "2,2"},
       "<div id=\"C\" align=\"center\" style=\"left:-5px; top:-5px\">",
       "<hr /><div id=\"B\" style=\"height:300px;\">"},
      {{"5,5", "45,30", "85,5"},
       "<div id=\"C\" align=\"center\" style=\"left:17px; top:20px\">",
       "<hr /><div id=\"B\" style=\"height:440px;\">"},
      // Left of the table: -7 x 4.4 = -30.8 goes to the nearest integer, -31, as positive places
      // do; the height never shrinks below the table's own.
      {{"-7,-1", "-3,-2", "0,-4"},
       "<div id=\"C\" align=\"center\" style=\"left:-36px; top:-10px\">",
       "<hr /><div id=\"B\" style=\"height:290px;\">"},
      // Every line counts for the height, also those beyond the card count; a line is split at its
      // last comma.
      {{"5,5", "45,5", "85,5", "1,2,100"},
       "<div id=\"C\" align=\"center\" style=\"left:17px; top:20px\">",
       "<hr /><div id=\"B\" style=\"height:790px;\">"},
      // Places far beyond the table give their exact pixels: 5 x 999999999 and x 4.4 of the
      // largest integers do not fit 32 bits.
      {{"85,999999999", "0,0", "0,0"},
       "<div id=\"C\" align=\"center\" style=\"left:369px; top:4999999990px\">",
       "<hr /><div id=\"B\" style=\"height:5000000285px;\">"},
      {{"85,-429496729", "0,0", "0,0"},
       "<div id=\"C\" align=\"center\" style=\"left:369px; top:-2147483650px\">",
       "<hr /><div id=\"B\" style=\"height:290px;\">"},
      {{"2147483647,2147483647", "0,0", "0,0"},
       "<div id=\"C\" align=\"center\" style=\"left:9448928042px; top:10737418230px\">",
       "<hr /><div id=\"B\" style=\"height:10737418525px;\">"},
      {{"-2147483648,-2147483648", "0,0", "0,0"},
       "<div id=\"C\" align=\"center\" style=\"left:-9448928056px; top:-10737418245px\">",
       "<hr /><div id=\"B\" style=\"height:290px;\">"},
  };
  for (const auto& c : cases) {
    Render render(WithSection(Fixture(), "POSITIONS", c.positions));
    EXPECT_TRUE(render.Has(c.first_box)) << c.first_box;
    EXPECT_TRUE(render.Has(c.table)) << c.table;
  }
}

TEST(RenderReadingTest, AReadingWithoutCardsStillHasItsFrame) {
  Render render(WithSection(Fixture(), "CARDS", {"0"}));
  const Lines page = render.Page();
  EXPECT_TRUE(
      render.Has("<body class=\"b\"><a id=\"top\" name=\"top\"></a><span class=\"style5\">"
                 "Three Cards</span><br />"));
  EXPECT_TRUE(render.Has("<hr /><div id=\"B\" style=\"height:350px;\">"));
  EXPECT_TRUE(render.Has("<p><strong>Reading:</strong></p>"));
  EXPECT_TRUE(render.Has("Take your time.<br />"));
  const auto box =
      std::find(page.begin(), page.end(), "<hr /><div id=\"B\" style=\"height:350px;\">");
  ASSERT_NE(box, page.end());
  EXPECT_EQ(*(box + 1), "</div><hr />");
  EXPECT_EQ(*(box + 2), "<p><strong>Reading:</strong></p>");
  EXPECT_EQ(*(box + 3), "Take your time.<br />");
}

TEST(RenderReadingTest, LabelsFollowTheirSwitchesAndReplaceInTurn) {
  Render render(Fixture());
  render.inputs.options.titles = true;
  render.inputs.options.normal_on = false;
  EXPECT_TRUE(
      render.Has("<span class=\"cn\">The Hanged Man</span><br /><span class=\"cpos\"></span>"));
  EXPECT_TRUE(
      render.Has("<tr><td colspan=\"2\"><span class=\"tn\">The Hanged Man<span class=\"cpos\"> "
                 "</span></span></td></tr>"));

  PageOptions chained;
  chained.blank_text = "not normal";
  chained.normal_text = "up";
  EXPECT_EQ(OrientationLabels({"blank", "normal", "reversed"}, chained),
            (std::vector<std::string>{"not up", "up", "Reversed"}));
  chained.reversed_on = false;
  chained.normal_text = "Reversed or normal";  // replaced once, not again
  EXPECT_EQ(OrientationLabels({"normal", "reversed", "Normal"}, chained),
            (std::vector<std::string>{"Reversed or normal", "", "Normal"}));
}

TEST(RenderReadingTest, OptionsWithNothingToShowAddNoLines) {
  Render render(WithSection(WithSection(Fixture(), "PERSON", {""}), "QUESTION", {}));
  render.inputs.options.name = render.inputs.options.question = true;
  const std::string page = JoinLines(render.Page());
  EXPECT_EQ(page.find("<b>Name:"), std::string::npos);
  EXPECT_EQ(page.find("class=\"que\""), std::string::npos);

  render.inputs.options.reading = false;
  const std::string short_page = JoinLines(render.Page());
  EXPECT_EQ(short_page.find("Reading:"), std::string::npos);
  EXPECT_EQ(short_page.find("Take your time."), std::string::npos);
  EXPECT_NE(short_page.find("<a href=\"#a1\">"), std::string::npos);
  EXPECT_EQ(short_page.find("name=\"a1\""), std::string::npos);  // the card links lead nowhere
}

TEST(RenderReadingTest, StoredMarkupReachesThePageAsItIs) {
  const std::string script = "<script>alert(1)</script><br />";
  Render render(WithSection(Fixture(), "COMMENTS", {script}));
  render.inputs.descriptions = [&](const std::string&) { return Lines{script}; };
  const Lines page = render.Page();
  EXPECT_EQ(std::count(page.begin(), page.end(), script), 4);  // three cards and the comments
}

TEST(RenderReadingTest, ABrokenReadingFailsWithItsMessage) {
  const struct {
    const char* what;
    Lines reading;
    std::string message;
  } cases[] = {
      {"fewer positions than cards", WithSection(Fixture(), "POSITIONS", {"5,5", "45,5"}),
       "List index out of bounds (2)"},
      {"fewer orientations than cards", WithSection(Fixture(), "MIRRORS", {"normal"}),
       "List index out of bounds (1)"},
      {"fewer meanings than cards", WithSection(Fixture(), "MEANINGS", {}),
       "List index out of bounds (0)"},
      {"a card beyond the deck", WithSection(Fixture(), "FORTUNE", {"12", "79", "0"}),
       "List index out of bounds (79)"},
      {"a coordinate that is not a number",
       WithSection(Fixture(), "POSITIONS", {"5,5", "x,5", "85,5"}),
       "'x' is not a valid integer value"},
      {"a depth that is not a number",
       WithSection(Fixture(), "POSITIONS", {"5,5", "45,5", "85, 5"}),
       "' 5' is not a valid integer value"},
      {"a card count that is not a number", WithSection(Fixture(), "CARDS", {"three"}),
       "'three' is not a valid integer value"},
      {"no spread name", WithSection(Fixture(), "SPREAD", {}), "List index out of bounds (0)"},
      {"no person line", WithSection(Fixture(), "PERSON", {}), "List index out of bounds (0)"},
      {"no date line", WithSection(Fixture(), "DATETIME", {}), "List index out of bounds (0)"},
      {"no card count", WithSection(Fixture(), "CARDS", {}), "List index out of bounds (0)"},
  };
  for (const auto& c : cases) {
    Render render(c.reading);
    EXPECT_EQ(ErrorOf([&] { render.Page(); }), c.message) << c.what;
  }

  Render empty_holder(Fixture());
  empty_holder.inputs.reading = nullptr;
  EXPECT_EQ(ErrorOf([&] { empty_holder.Page(); }), "List index out of bounds (0)");

  Render no_set(Fixture());
  no_set.inputs.descriptions = [](const std::string&) -> Lines { throw ListIndexOutOfBounds(-1); };
  EXPECT_EQ(ErrorOf([&] { no_set.Page(); }), "List index out of bounds (-1)");
  no_set.inputs.descriptions = nullptr;
  EXPECT_EQ(ErrorOf([&] { no_set.Page(); }), "List index out of bounds (-1)");
}

TEST(RenderReadingTest, LinesThatNoBlockShowsAreNotNeeded) {
  // Without the texts there is no lookup, no meaning and no title; without the date no date line.
  Render render(WithSection(WithSection(Fixture(), "MEANINGS", {}), "DATETIME", {}));
  render.inputs.options.reading = false;
  render.inputs.options.date = false;
  render.inputs.descriptions = nullptr;
  render.inputs.titles = nullptr;
  const Lines page = render.Page();
  EXPECT_EQ(page.back(), "<br /></body></html>");
  EXPECT_EQ(*(page.end() - 2), "</div><hr />");
}

TEST(RenderReadingTest, PicturePathsReachTheirFilesWhereverTheProgramIs) {
  EXPECT_EQ(PictureReference("/home/a b/#1/50%/why?/\"x\"&<y>.jpg"),
            "/home/a%20b/%231/50%25/why%3F/%22x%22%26%3Cy%3E.jpg");
  EXPECT_EQ(PictureReference("/opt/sibylon/cards/Ström-Deck/normal/7.jpg"),
            "/opt/sibylon/cards/Ström-Deck/normal/7.jpg");
}

}  // namespace
}  // namespace sibylon
