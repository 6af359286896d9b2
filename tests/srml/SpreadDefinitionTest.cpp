#include <gtest/gtest.h>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "base/TextReplace.h"
#include "srml/SectionReader.h"
#include "srml/SpreadDefinition.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

using test::ErrorOf;

SpreadDefinition EveningStar() {
  SpreadDefinition spread;
  spread.title = "Evening Star";
  spread.description = {"", "Dusk<br />and dawn"};  // "<br />" typed by the user
  spread.meanings = {"The day behind", "", "The night ahead"};
  spread.positions = {{5, 5}, {45, 65}, {371, 251}};
  return spread;
}

TEST(SpreadDefinitionTest, WritesTheGoldenDocument) {
  test::TempFolder app;
  app.Write("spreads/Evening Star.srml", "an older version\r\n");  // replaced whole
  WriteSpreadDefinition(app.Path("spreads/"), EveningStar());
  EXPECT_EQ(app.Read("spreads/Evening Star.srml"),
            ReadFileBytes(SIBYLON_GOLDEN "/spread-definition/Evening Star.srml"));
}

TEST(SpreadDefinitionTest, SectionsReadBackAsTheEditorNeedsThem) {
  const Lines document = SpreadDefinitionLines(EveningStar());
  EXPECT_EQ(SectionReader(document, "SPREAD"), Lines{"Evening Star"});
  EXPECT_EQ(SectionReader(document, "CARDS"), Lines{"3"});
  const Lines description = SectionReader(document, "DESCRIPTION");
  ASSERT_EQ(description.size(), 2u);
  EXPECT_EQ(RemoveAll(description[1], "<br />"), "Duskand dawn");  // the editor's load
  Lines positions = SectionReader(document, "POSITIONS");
  ASSERT_EQ(positions.size(), 3u);
  EXPECT_EQ(ParsePosition(positions[1]).left, 45);
  EXPECT_EQ(ParsePosition(positions[1]).top, 65);
}

TEST(SpreadDefinitionTest, OnlyTheMeaningsOfThePlacedPositionsAreWritten) {
  SpreadDefinition spread = EveningStar();
  spread.meanings = {"one", "two", "three", "four", "five"};
  spread.positions = {{-5, 0}};
  spread.comments = {"Keep it short.", "<i>Really.</i>"};
  const Lines document = SpreadDefinitionLines(spread);
  EXPECT_EQ(SectionReader(document, "CARDS"), Lines{"1"});
  EXPECT_EQ(SectionReader(document, "MEANINGS"), Lines{"one"});
  EXPECT_EQ(SectionReader(document, "POSITIONS"), Lines{"-5,0"});
  EXPECT_EQ(SectionReader(document, "COMMENTS"),
            (Lines{"Keep it short.<br />", "<i>Really.</i><br />"}));

  spread.meanings = {};
  EXPECT_EQ(ErrorOf([&] { SpreadDefinitionLines(spread); }), "List index out of bounds (0)");
}

TEST(SpreadDefinitionTest, AFileThatCannotBeCreatedIsReported) {
  test::TempFolder app;
  const std::string folder = app.Path("spreads/");  // never created
  EXPECT_EQ(ErrorOf([&] { WriteSpreadDefinition(folder, EveningStar()); }),
            "Cannot create file \"" + folder + "Evening Star.srml\". No such file or directory");
}

TEST(SpreadDefinitionTest, PositionLinesSplitAtTheirLastComma) {
  struct Case {
    const char* line;
    const char* left;
    const char* top;
  } cases[] = {
      {"45,65", "45", "65"}, {"1,2,3", "1,2", "3"}, {"45", "", "45"}, {" 5,6", " 5", "6"},
      {"5,", "5", ""},       {",", "", ""},         {"", "", ""},     {"-5,+10", "-5", "+10"},
  };
  for (const auto& c : cases) {
    const PositionText text = SplitPositionLine(c.line);
    EXPECT_EQ(text.left, c.left) << c.line;
    EXPECT_EQ(text.top, c.top) << c.line;
  }
}

TEST(SpreadDefinitionTest, PositionsConvertLeftFirst) {
  const CardPlace place = ParsePosition("-5,+10");
  EXPECT_EQ(place.left, -5);
  EXPECT_EQ(place.top, 10);
  struct Case {
    const char* line;
    const char* error;
  } cases[] = {
      {"1,2,3", "'1,2' is not a valid integer value"}, {"45", "'' is not a valid integer value"},
      {" 5,6", "' 5' is not a valid integer value"},   {"a,b", "'a' is not a valid integer value"},
      {"5,b", "'b' is not a valid integer value"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf([&] { ParsePosition(c.line); }), c.error) << c.line;
}

// What a spread document says of its positions: one meaning and one place per card of its count,
// "" and no place where the document has none or cannot be read.
TEST(SpreadDefinitionTest, PositionsAreReadForTheCountOfCards) {
  const Lines document = {"[CARDS]", "3",       "[/CARDS]",    "[MEANINGS]",
                          "past",    "present", "[/MEANINGS]", "[POSITIONS]",
                          "10,20",   "x,5",     "[/POSITIONS]"};
  const SpreadPositions positions = ReadSpreadPositions(document);
  EXPECT_EQ(positions.meanings, (std::vector<std::string>{"past", "present", ""}));
  ASSERT_EQ(positions.places.size(), 3u);
  ASSERT_TRUE(positions.places[0]);
  EXPECT_EQ(positions.places[0]->left, 10);
  EXPECT_EQ(positions.places[0]->top, 20);
  EXPECT_FALSE(positions.places[1]);
  EXPECT_FALSE(positions.places[2]);

  EXPECT_TRUE(ReadSpreadPositions({"[CARDS]", "-2", "[/CARDS]"}).places.empty());
  EXPECT_EQ(ErrorOf([] {
              SpreadCardCount({"[SPREAD]", "x", "[/SPREAD]"});
            }),
            "List index out of bounds (0)");
  EXPECT_EQ(ErrorOf([] {
              SpreadCardCount({"[CARDS]", "three", "[/CARDS]"});
            }),
            "'three' is not a valid integer value");
}

}  // namespace
}  // namespace sibylon
