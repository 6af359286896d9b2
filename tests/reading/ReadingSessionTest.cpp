#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "base/AppError.h"
#include "reading/ReadingSession.h"
#include "srml/DateTimeFormat.h"
#include "srml/SectionReader.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

using test::ErrorOf;

const std::string kCase = SIBYLON_GOLDEN "/saved-reading/three-positions/";

DealInputs Inputs(Lines spread) {
  DealInputs inputs;
  inputs.spread_name = "Crossroads 2";
  inputs.person = "Anna";
  inputs.date_pattern = kDateTimePatterns[0];
  inputs.spread_document = std::move(spread);
  return inputs;
}

PageSettings Page() {
  PageSettings page;
  page.options.reading = false;  // no description set takes part
  return page;
}

class ReadingSessionTest : public ::testing::Test {
 protected:
  ReadingSessionTest() : session_(folder_.Path("newSpread-0001.html")) {
    session_.SetTitles(CardTitleList(79, "title"));
  }

  // A first reading, dealt from a shuffle of the whole deck.
  void DealFirst() {
    session_.Shuffle(DeckOptions{}, 7);
    DealInputs inputs = Inputs(ReadLinesFile(kCase + "spread.srml"));
    inputs.fortune = session_.LatestShuffle().fortune;
    inputs.mirrors = session_.LatestShuffle().mirrors;
    session_.Deal(std::move(inputs), "/decks/first/", Page());
  }

  test::TempFolder folder_;
  ReadingSession session_;
};

TEST_F(ReadingSessionTest, ADealHoldsTheComposedReadingAndWritesItsPage) {
  DealFirst();
  const ShuffleResult& shuffle = session_.LatestShuffle();
  ASSERT_EQ(shuffle.fortune.size(), 78u);
  EXPECT_EQ(SectionReader(session_.HeldReading(), "FORTUNE"),
            Lines(shuffle.fortune.begin(), shuffle.fortune.begin() + 3));
  EXPECT_EQ(SectionReader(session_.HeldReading(), "MIRRORS"),
            Lines(shuffle.mirrors.begin(), shuffle.mirrors.begin() + 3));
  EXPECT_EQ(session_.DeckFolder(), "/decks/first/");
  const std::string page = folder_.Read("newSpread-0001.html");
  EXPECT_NE(page.find("/decks/first/normal/" + shuffle.fortune[0] + ".jpg"), std::string::npos);
}

TEST_F(ReadingSessionTest, ALoadHoldsTheStoredLinesAsTheyAre) {
  DealFirst();
  session_.Load(kCase + "reading.srml", "/decks/second/", Page());
  EXPECT_EQ(session_.HeldReading(), ReadLinesFile(kCase + "reading.srml"));
  EXPECT_EQ(session_.DeckFolder(), "/decks/second/");
}

// Whatever fails, in composing, reading or rendering, the first reading stays held, its deck
// folder too, and its page is not touched.
TEST_F(ReadingSessionTest, AFailedDealOrLoadKeepsWhatIsHeld) {
  DealFirst();
  const Lines held = session_.HeldReading();
  const std::string page = folder_.Read("newSpread-0001.html");
  Lines bad_reading = ReadLinesFile(kCase + "reading.srml");
  for (std::string& line : bad_reading) {
    if (line == "3") line = "abc";  // the CARDS line
  }
  WriteLinesFile(folder_.Path("bad.srml"), bad_reading);
  Lines bad_spread = ReadLinesFile(kCase + "spread.srml");
  for (std::string& line : bad_spread) {
    if (line == "3") line = "three";
  }

  struct Case {
    const char* what;
    std::function<void()> run;
    std::string error;
  };
  const Case cases[] = {
      {"a spread whose count is no number",
       [&] { session_.Deal(Inputs(bad_spread), "/decks/other/", Page()); },
       "'three' is not a valid integer value"},
      {"a reading whose count is no number",
       [&] { session_.Load(folder_.Path("bad.srml"), "/decks/other/", Page()); },
       "'abc' is not a valid integer value"},
      {"a reading that is gone",
       [&] { session_.Load(folder_.Path("gone.srml"), "/decks/other/", Page()); },
       "Cannot open file \"" + folder_.Path("gone.srml") + "\". No such file or directory"},
      {"a page that cannot be written",
       [&] {
         ::chmod(folder_.Path("newSpread-0001.html").c_str(), 0444);  // write-protected
         session_.Load(kCase + "reading.srml", "/decks/other/", Page());
       },
       "Cannot create file \"" + folder_.Path("newSpread-0001.html") + "\". Permission denied"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ErrorOf(c.run), c.error);
    EXPECT_EQ(session_.HeldReading(), held);
    EXPECT_EQ(session_.DeckFolder(), "/decks/first/");
    EXPECT_EQ(folder_.Read("newSpread-0001.html"), page);
  }
}

TEST_F(ReadingSessionTest, AFailedShuffleLeavesNoCardsAndShufflesAreCounted) {
  DealFirst();
  EXPECT_EQ(session_.CountShuffle(), 1);
  EXPECT_EQ(session_.CountShuffle(), 2);
  DeckOptions options;
  options.blanks = true;
  options.blank_count = "abc";
  EXPECT_EQ(ErrorOf([&] { session_.Shuffle(options, 7); }), "'abc' is not a valid integer value");
  EXPECT_TRUE(session_.LatestShuffle().fortune.empty());
  EXPECT_TRUE(session_.LatestShuffle().card_pool.empty());
  session_.ResetShuffleCount();
  EXPECT_EQ(session_.ShuffleCount(), 1);
}

}  // namespace
}  // namespace sibylon
