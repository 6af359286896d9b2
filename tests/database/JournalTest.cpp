#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "database/Journal.h"
#include "database/JournalEntry.h"
#include "database/JournalSearch.h"
#include "database/JournalStatistics.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

// A stored reading with the given cards ("16 reversed", "0 blank", ...).
Lines Reading(const std::string& person, const std::string& spread, const std::string& date,
              const std::vector<std::pair<int, std::string>>& cards,
              const std::vector<std::string>& question = {}) {
  Lines lines = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SAVEDSPREAD\"]",
                 "[SPREAD]",
                 spread,
                 "[/SPREAD]",
                 "[PERSON]",
                 person,
                 "[/PERSON]",
                 "[DATETIME]",
                 date,
                 "[/DATETIME]",
                 "[QUESTION]"};
  for (const std::string& line : question) lines.push_back(line + "<br />");
  lines.insert(lines.end(),
               {"[/QUESTION]", "[CARDS]", std::to_string(cards.size()), "[/CARDS]", "[FORTUNE]"});
  for (const auto& card : cards) lines.push_back(std::to_string(card.first));
  lines.push_back("[/FORTUNE]");
  lines.push_back("[MIRRORS]");
  for (const auto& card : cards) lines.push_back(card.second);
  lines.insert(lines.end(),
               {"[/MIRRORS]", "[COMMENTS]", "Read slowly.<br />", "[/COMMENTS]", "[/SRML]"});
  return lines;
}

// The reading with a CARDS line that is no number.
Lines BadCount(Lines lines) {
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] == "[CARDS]") lines[i + 1] = "abc";
  }
  return lines;
}

std::vector<std::string> Titles() {
  std::vector<std::string> titles(kCardCount);
  for (int card = 0; card < kCardCount; ++card)
    titles[static_cast<std::size_t>(card)] = "card " + std::to_string(card);
  titles[16] = "The Tower";
  titles[0] = "Blank";
  return titles;
}

TEST(JournalEntryTest, TheThreeDatePatternsGiveComparableStamps) {
  const std::int64_t evening = ParseReadingDate("2008-06-05, 14-07");
  const std::int64_t day = ParseReadingDate("2008-06-05");
  EXPECT_EQ(day, ParseReadingDate("05-06-2008"));
  EXPECT_EQ(evening - day, 14 * 60 + 7);
  EXPECT_LT(ParseReadingDate("31-12-2007"), day);
  EXPECT_EQ(MonthOf(evening), "2008-06");
  EXPECT_EQ(MinuteText(evening), "2008-06-05, 14-07");
  for (const char* bad : {"", "2008-13-05", "2008-06-05, 24-00", "5-6-2008", "2008-06-05 14-07",
                          "yesterday", "2008-06-05, 14-07x"}) {
    EXPECT_EQ(ParseReadingDate(bad), -1) << bad;
  }
}

TEST(JournalEntryTest, AReadingGivesItsFieldsCardsAndDeckPart) {
  const JournalEntry entry = JournalEntryOf(
      "Anna.srml",
      Reading("Anna", "Cross", "05-06-2008", {{16, "reversed"}, {0, "blank"}, {16, "normal"}},
              {"Will <b>it</b> work &amp; when?", "Second line"}),
      42);
  EXPECT_TRUE(entry.readable) << entry.problem;
  EXPECT_EQ(entry.entry, "Anna");
  EXPECT_EQ(entry.person, "Anna");
  EXPECT_EQ(entry.question, "Will it work & when?");
  EXPECT_NE(entry.text.find("Read slowly."), std::string::npos);
  ASSERT_EQ(entry.cards.size(), 3u);
  EXPECT_EQ(entry.cards[1].orientation, "blank");
  EXPECT_EQ(entry.deck_part, DeckPart::kMajor);
  EXPECT_FALSE(entry.minute_from_file);

  const JournalEntry minor = JournalEntryOf("m", Reading("", "", "", {{23, "normal"}}), 42);
  EXPECT_EQ(minor.deck_part, DeckPart::kMinor);
  EXPECT_TRUE(minor.minute_from_file);
  EXPECT_EQ(minor.minute, 42);
  EXPECT_EQ(JournalEntryOf("a", Reading("", "", "", {{1, "normal"}, {78, "normal"}}), 0).deck_part,
            DeckPart::kAll);
}

TEST(JournalEntryTest, FilesThatAreNoReadingsAreEntriesWithTheirReason) {
  Lines bad_count = Reading("A", "S", "2008-06-05", {{3, "normal"}});
  for (std::string& line : bad_count) {
    if (line == "1") line = "abc";
  }
  Lines short_fortune = Reading("A", "S", "2008-06-05", {{3, "normal"}});
  for (std::string& line : short_fortune) {
    if (line == "1") line = "2";
  }
  const struct {
    const char* what;
    Lines lines;
    std::string problem;
  } cases[] = {
      {"plain notes", {"just some notes"}, "not a saved reading: it names no cards"},
      {"a count of letters", bad_count, "'abc' is not a valid integer value"},
      {"fewer cards than counted", short_fortune, "List index out of bounds (1)"},
  };
  for (const auto& c : cases) {
    const JournalEntry entry = JournalEntryOf("x.txt", c.lines, 7);
    EXPECT_FALSE(entry.readable) << c.what;
    EXPECT_EQ(entry.problem, c.problem) << c.what;
    EXPECT_TRUE(entry.cards.empty()) << c.what;
  }
  test::TempFolder folder;
  const JournalEntry gone = ReadJournalEntry(folder.Root(), "gone.srml");
  EXPECT_FALSE(gone.readable);
  EXPECT_EQ(gone.problem.rfind("Cannot open file", 0), 0u) << gone.problem;
}

TEST(JournalSearchTest, FoldingIgnoresCaseAndDiacritics) {
  EXPECT_EQ(FoldForSearch("Élodie ÅSTRÖM ß"), "elodie astrom s");
  EXPECT_EQ(FoldForSearch("Łódź Šárka"), "lodz sarka");
  EXPECT_EQ(FoldForSearch("ВОПРОС Ёлка"), "вопрос елка");
  EXPECT_EQ(FoldForSearch("a×b ☆"), "a×b ☆");  // no letters: as they are
}

TEST(JournalSearchTest, TheSearchAndTheFiltersFindWhatTheyShould) {
  std::vector<JournalEntry> entries = {
      JournalEntryOf("1.srml",
                     Reading("Élodie", "Celtic Cross", "2008-06-05", {{16, "reversed"}}, {"Love?"}),
                     0),
      JournalEntryOf("2.srml", Reading("Boris", "Tower of Choices", "2009-01-10", {{5, "normal"}}),
                     0),
      JournalEntryOf("3.srml",
                     Reading("boris", "Three", "10-02-2009", {{16, "normal"}, {0, "blank"}}), 0),
      JournalEntryOf("notes.txt", {"hello"}, 0),
      // No reading (its count is no number): found by its file name only.
      JournalEntryOf("bad.srml",
                     BadCount(Reading("Zed", "Celtic Cross", "2009-01-05", {{16, "normal"}})), 0),
  };
  std::vector<std::string> haystacks;
  for (const JournalEntry& entry : entries) haystacks.push_back(SearchHaystack(entry, Titles()));
  auto shown = [&](const JournalQuery& query) { return FilterJournal(entries, haystacks, query); };
  using Shown = std::vector<std::size_t>;

  auto query = [](auto fill) {
    JournalQuery q;
    fill(q);
    return q;
  };
  const struct {
    const char* what;
    JournalQuery query;
    Shown expected;
  } cases[] = {
      {"nothing asked", JournalQuery(), {0, 1, 2, 3, 4}},
      {"what an unreadable file holds", query([](JournalQuery& q) { q.text = "zed"; }), {}},
      {"an unreadable file's name", query([](JournalQuery& q) { q.text = "BAD"; }), {4}},
      // 1 by its spread's name, 0 and 2 by the title of card 16
      {"a card title", query([](JournalQuery& q) { q.text = "tower"; }), {0, 1, 2}},
      {"diacritics folded", query([](JournalQuery& q) { q.text = "ELODIE"; }), {0}},
      {"the question", query([](JournalQuery& q) { q.text = "love"; }), {0}},
      {"the comments", query([](JournalQuery& q) { q.text = "slowly"; }), {0, 1, 2}},
      {"a file name", query([](JournalQuery& q) { q.text = "notes"; }), {3}},
      {"a person", query([](JournalQuery& q) { q.person = "BORIS"; }), {1, 2}},
      {"a spread", query([](JournalQuery& q) { q.spread = "celtic cross"; }), {0}},
      {"a card", query([](JournalQuery& q) { q.card = 16; }), {0, 2}},
      {"a card reversed",
       query([](JournalQuery& q) {
         q.card = 16;
         q.orientation = "reversed";
       }),
       {0}},
      {"the blank card", query([](JournalQuery& q) { q.card = 0; }), {2}},
      {"a date range",
       query([](JournalQuery& q) {
         q.from = ParseReadingDate("2009-01-01");
         q.to = ParseReadingDate("2009-01-31");
       }),
       {1}},
      {"text and filter",
       query([](JournalQuery& q) {
         q.text = "tower";
         q.person = "boris";
       }),
       {1, 2}},
  };
  for (const auto& c : cases) EXPECT_EQ(shown(c.query), c.expected) << c.what;
}

TEST(JournalStatisticsTest, CountsAgainstWhatChanceWouldDeal) {
  const std::vector<JournalEntry> entries = {
      // With repeats on, a card can fall twice in one reading.
      JournalEntryOf(
          "a", Reading("", "", "2008-06-05", {{16, "reversed"}, {16, "normal"}, {0, "blank"}}), 0),
      JournalEntryOf("b", Reading("", "", "2008-07-01", {{16, "normal"}, {23, "reversed"}}), 0),
      JournalEntryOf("c", Reading("", "", "2008-07-02", {{30, "normal"}}), 0),
      JournalEntryOf("bad", {"no reading"}, 0),
  };
  const JournalStatistics stats = ComputeJournalStatistics(entries, {0, 1, 2, 3});
  EXPECT_EQ(stats.readings, 3);
  EXPECT_EQ(stats.skipped, 1);
  EXPECT_EQ(stats.blanks, 1);
  EXPECT_EQ(stats.upright[16], 2);
  EXPECT_EQ(stats.reversed[16], 1);
  EXPECT_EQ(stats.reversed[23], 1);
  ASSERT_EQ(stats.most_returned.size(), 3u);
  EXPECT_EQ(stats.most_returned[0].card, 16);
  EXPECT_EQ(stats.most_returned[0].count, 3);
  // a: 2 cards from the 22 majors; b: 2 from all 78; c: 1 from the 56 minors.
  EXPECT_DOUBLE_EQ(stats.most_returned[0].expected, 2.0 / 22 + 2.0 / 78);
  EXPECT_EQ(stats.most_returned[1].card, 23);
  EXPECT_DOUBLE_EQ(stats.most_returned[1].expected, 2.0 / 78 + 1.0 / 56);
  EXPECT_EQ(stats.groups[0].group, CardGroup::kMajor);
  EXPECT_EQ(stats.groups[0].count, 3);
  EXPECT_NEAR(stats.groups[0].expected, 2.0 + 2.0 * 22 / 78, 1e-9);
  EXPECT_EQ(stats.groups[1].group, CardGroup::kWands);
  EXPECT_EQ(stats.groups[1].count, 2);  // 23 and 30
  EXPECT_NEAR(stats.groups[1].expected, 2.0 * 14 / 78 + 14.0 / 56, 1e-9);
  EXPECT_DOUBLE_EQ(stats.reversed_share, 2.0 / 5);
  EXPECT_EQ(stats.readings_per_month,
            (std::vector<std::pair<std::string, int>>{{"2008-06", 1}, {"2008-07", 2}}));

  const JournalStatistics only_c = ComputeJournalStatistics(entries, {2});
  EXPECT_EQ(only_c.readings, 1);
  EXPECT_EQ(only_c.skipped, 0);
  EXPECT_EQ(only_c.upright[16], 0);
}

// Files added, changed and removed behind the program's back are seen at the next refresh; an
// unchanged folder is not read again.
TEST(JournalTest, FollowsTheFolder) {
  test::TempFolder folder;
  folder.Write("a.srml", JoinLines(Reading("Anna", "S", "2008-06-05", {{1, "normal"}})));
  folder.Write("b.srml", JoinLines(Reading("Boris", "S", "2008-06-06", {{2, "normal"}})));
  Journal journal(folder.Root());
  EXPECT_TRUE(journal.Refresh());
  ASSERT_EQ(journal.Entries().size(), 2u);
  EXPECT_EQ(journal.Haystacks(Titles()).size(), 2u);
  EXPECT_FALSE(journal.Refresh());

  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // a newer time of change
  folder.Write("a.srml", JoinLines(Reading("Anna Maria", "S", "2008-06-05", {{1, "normal"}})));
  std::filesystem::remove(folder.Path("b.srml"));
  folder.Write("c.txt", "notes");
  EXPECT_TRUE(journal.Refresh());
  ASSERT_EQ(journal.Entries().size(), 2u);
  EXPECT_EQ(journal.Entries()[0].person, "Anna Maria");
  EXPECT_EQ(journal.Entries()[1].file, "c.txt");
  EXPECT_FALSE(journal.Entries()[1].readable);
  EXPECT_NE(journal.Haystacks(Titles())[0].find("anna maria"), std::string::npos);
}

}  // namespace
}  // namespace sibylon
