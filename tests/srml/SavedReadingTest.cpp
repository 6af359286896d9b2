#include <gtest/gtest.h>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "srml/DateTimeFormat.h"
#include "srml/SavedReading.h"
#include "srml/SectionReader.h"
#include "support/ErrorOf.h"

namespace sibylon {
namespace {

using test::ErrorOf;

const std::string kCase = SIBYLON_GOLDEN "/saved-reading/three-positions/";

// A deal of the three-position spread on 5 June 2008 at 14:07, after a shuffle of five entries.
DealInputs ThreePositionDeal() {
  DealInputs inputs;
  inputs.spread_name = "Crossroads 2";  // the list name; the title inside the file differs
  inputs.person = "  Anna Petrova \t";
  inputs.date_pattern = kDateTimePatterns[0];
  inputs.local_time.tm_year = 2008 - 1900;
  inputs.local_time.tm_mon = 6 - 1;
  inputs.local_time.tm_mday = 5;
  inputs.local_time.tm_hour = 14;
  inputs.local_time.tm_min = 7;
  inputs.question_lines = {"Which road is mine?", "And when?"};
  inputs.spread_document = ReadLinesFile(kCase + "spread.srml");
  inputs.fortune = {"0", "34", "5", "61", "78"};
  inputs.mirrors = {"blank", "reversed", "normal", "normal", "reversed"};
  return inputs;
}

// A spread document of `count` positions whose CARDS line is `cards`.
Lines Spread(const std::string& cards, int count) {
  Lines spread = {"[SPREAD]", "Any", "[/SPREAD]", "[CARDS]", cards, "[/CARDS]", "[MEANINGS]"};
  for (int i = 0; i < count; ++i) spread.push_back("m" + std::to_string(i));
  spread.push_back("[/MEANINGS]");
  return spread;
}

TEST(SavedReadingTest, ComposesTheGoldenDocument) {
  EXPECT_EQ(JoinLines(ComposeSavedReading(ThreePositionDeal())),
            ReadFileBytes(kCase + "reading.srml"));
}

TEST(SavedReadingTest, PersonAndQuestionEdges) {
  DealInputs inputs = ThreePositionDeal();
  for (const char* name : {"", " \t\r\n "}) {
    inputs.person = name;
    EXPECT_EQ(SectionReader(ComposeSavedReading(inputs), "PERSON"), Lines{""}) << name;
  }
  inputs.person = "<b>Ann</b> & co";  // nothing is escaped
  inputs.question_lines = {};
  const Lines reading = ComposeSavedReading(inputs);
  EXPECT_EQ(SectionReader(reading, "PERSON"), Lines{"<b>Ann</b> & co"});
  EXPECT_EQ(SectionReader(reading, "QUESTION"), Lines{});
  inputs.question_lines = {"", "a <br /> b"};
  EXPECT_EQ(SectionReader(ComposeSavedReading(inputs), "QUESTION"),
            (Lines{"<br />", "a <br /> b<br />"}));
}

TEST(SavedReadingTest, TheCardCountIsWrittenAgainInDecimal) {
  DealInputs inputs = ThreePositionDeal();
  for (const char* cards : {"03", "+3"}) {
    inputs.spread_document = Spread(cards, 3);
    const Lines reading = ComposeSavedReading(inputs);
    EXPECT_EQ(SectionReader(reading, "CARDS"), Lines{"3"}) << cards;
    EXPECT_EQ(SectionReader(reading, "FORTUNE"), (Lines{"0", "34", "5"})) << cards;
    // Sections the spread lacks are written as their two tags.
    EXPECT_EQ(SectionReader(reading, "COMMENTS"), Lines{}) << cards;
    EXPECT_EQ(reading[reading.size() - 3], "[COMMENTS]") << cards;
  }
  inputs.spread_document = Spread("0", 0);
  EXPECT_EQ(SectionReader(ComposeSavedReading(inputs), "MIRRORS"), Lines{});
}

TEST(SavedReadingTest, FailuresReportTheCountOrTheFirstMissingEntry) {
  struct Case {
    const char* what;
    Lines spread;
    std::size_t fortune, mirrors;
    const char* error;
  } cases[] = {
      {"count not an integer", Spread("x", 3), 5, 5, "'x' is not a valid integer value"},
      {"count with a blank", Spread("3 ", 3), 5, 5, "'3 ' is not a valid integer value"},
      {"no count at all", {"[CARDS]", "[/CARDS]"}, 5, 5, "List index out of bounds (0)"},
      {"5 positions after 3 shuffled entries", Spread("5", 5), 3, 3,
       "List index out of bounds (3)"},
      {"orientations missing", Spread("3", 3), 3, 2, "List index out of bounds (2)"},
  };
  for (const auto& c : cases) {
    DealInputs inputs = ThreePositionDeal();
    inputs.spread_document = c.spread;
    inputs.fortune.resize(c.fortune);
    inputs.mirrors.resize(c.mirrors);
    EXPECT_EQ(ErrorOf([&] { ComposeSavedReading(inputs); }), c.error) << c.what;
  }
}

}  // namespace
}  // namespace sibylon
