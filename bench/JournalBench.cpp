// Budgets of the Journal page, measured here and never asserted: the first showing of 10,000
// readings under 1 s, a later showing (nothing changed) under 100 ms, one keystroke of the search
// under 30 ms at 10,000 and under 200 ms at 100,000, the statistics under 100 ms at 10,000.
// The databases are written once per size into a temporary folder and removed at the end.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/TextLines.h"
#include "database/Journal.h"
#include "database/JournalSearch.h"
#include "database/JournalStatistics.h"
#include "deck/CardCatalogue.h"

namespace sibylon {
namespace {

const char* const kPersons[] = {"Anna",  "Boris",         "Élodie Durand", "Åsa Ström",
                                "Łucja", "Jürgen Müller", "Søren",         "Zoë",
                                "Mark",  "Nina",          "Ольга",         ""};

struct Spread {
  const char* name;
  int cards;
};
const Spread kSpreads[] = {{"One Card", 1},     {"Three Cards", 3},   {"Relationship", 5},
                           {"Horseshoe", 7},    {"Celtic Cross", 10}, {"Yes or No", 2},
                           {"Cross of Four", 4}};

const char* const kQuestions[] = {"Will the <b>new job</b> work out?",
                                  "What should I know about &quot;us&quot;?",
                                  "Where is this year taking me?",
                                  "How do I <i>move on</i> &amp; heal?",
                                  "What stands in the way of the house move?",
                                  "Is it time to travel?"};

const char* const kComments[] = {"Read slowly, the cups dominate.", "Asked again a week later.",
                                 "<b>Strong</b> answer &mdash; keep it.",
                                 "The tower came up again; talk it over."};

// A stored reading as a deal writes it (see ComposeSavedReading).
Lines RealisticReading(std::mt19937& random, int index, std::string& file) {
  auto pick = [&random](std::size_t count) { return static_cast<int>(random() % count); };
  const std::string person = kPersons[pick(std::size(kPersons))];
  Spread spread = kSpreads[pick(std::size(kSpreads))];
  if (pick(200) == 0) spread = {"Thirty", 30};  // the large spreads are rare

  // Five years of readings, in the three date patterns.
  const int year = 2021 + pick(5), month = 1 + pick(12), day = 1 + pick(28);
  char date[32];
  switch (pick(3)) {
    case 0:
      std::snprintf(date, sizeof date, "%04d-%02d-%02d, %02d-%02d", year, month, day, pick(24),
                    pick(60));
      break;
    case 1:
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
      break;
    default:
      std::snprintf(date, sizeof date, "%02d-%02d-%04d", day, month, year);
      break;
  }
  file = (person.empty() ? std::string("Unnamed") : person) + ", " + spread.name + ", " + date +
         " " + std::to_string(index) + ".srml";

  Lines lines = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SAVEDSPREAD\"]",
                 "[SPREAD]",
                 spread.name,
                 "[/SPREAD]",
                 "[PERSON]",
                 person,
                 "[/PERSON]",
                 "[DATETIME]",
                 date,
                 "[/DATETIME]",
                 "[QUESTION]"};
  for (int i = 1 + pick(3); i > 0; --i) {
    lines.push_back(std::string(kQuestions[pick(std::size(kQuestions))]) + "<br />");
  }
  lines.insert(lines.end(),
               {"[/QUESTION]", "[CARDS]", std::to_string(spread.cards), "[/CARDS]", "[DESCRIPTION]",
                std::string("<b>") + spread.name + "</b><br />",
                "Lay the cards from left to right.<br />", "[/DESCRIPTION]", "[MEANINGS]"});
  for (int i = 1; i <= spread.cards; ++i) lines.push_back("Position " + std::to_string(i));
  lines.push_back("[/MEANINGS]");
  lines.push_back("[POSITIONS]");
  for (int i = 0; i < spread.cards; ++i) {
    lines.push_back(std::to_string(5 + 40 * (i % 10)) + "," + std::to_string(5 + 60 * (i / 10)));
  }
  lines.push_back("[/POSITIONS]");

  std::vector<int> deck(kCardCount - 1);
  std::iota(deck.begin(), deck.end(), 1);
  std::shuffle(deck.begin(), deck.end(), random);
  std::vector<int> cards(deck.begin(), deck.begin() + spread.cards);
  if (pick(25) == 0) cards[static_cast<std::size_t>(pick(spread.cards))] = 0;  // a blank card
  lines.push_back("[FORTUNE]");
  for (const int card : cards) lines.push_back(std::to_string(card));
  lines.insert(lines.end(), {"[/FORTUNE]", "[MIRRORS]"});
  for (const int card : cards)
    lines.push_back(card == 0 ? "blank" : pick(3) ? "normal" : "reversed");
  lines.insert(lines.end(), {"[/MIRRORS]", "[COMMENTS]"});
  for (int i = 1 + pick(3); i > 0; --i) {
    lines.push_back(std::string(kComments[pick(std::size(kComments))]) + "<br />");
  }
  lines.insert(lines.end(), {"[/COMMENTS]", "[/SRML]"});

  // About one file in two hundred is no reading the journal can use.
  if (pick(200) == 0) {
    switch (pick(3)) {
      case 0:
        file = "notes " + std::to_string(index) + ".txt";
        return {"Ideas for next week", "call Anna"};
      case 1:
        *(std::find(lines.begin(), lines.end(), "[CARDS]") + 1) = "many";
        break;
      default:  // more cards counted than the file holds
        *(std::find(lines.begin(), lines.end(), "[CARDS]") + 1) = std::to_string(spread.cards + 2);
        break;
    }
  }
  return lines;
}

// A database folder of `size` readings with its journal refreshed once, kept for all benchmarks.
struct Database {
  std::string folder;
  Journal journal;

  explicit Database(int size) : folder(MakeFolder()), journal(folder) {
    std::mt19937 random(static_cast<unsigned>(size));
    for (int i = 0; i < size; ++i) {
      std::string file;
      const Lines lines = RealisticReading(random, i, file);
      // A plain write: the atomic save's sync per file would make the setup take minutes.
      std::ofstream(folder + file, std::ios::binary) << JoinLines(lines);
    }
    journal.Refresh();
  }
  ~Database() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  static std::string MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sibylon-journal-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern + "/";
  }
};

Database& DatabaseOf(int size) {
  static std::map<int, std::unique_ptr<Database>> databases;
  auto& database = databases[size];
  if (!database) database = std::make_unique<Database>(size);
  return *database;
}

std::vector<std::string> Titles() {
  std::vector<std::string> titles(kCardCount);
  for (int card = 0; card < kCardCount; ++card) {
    titles[static_cast<std::size_t>(card)] = "Card " + std::to_string(card);
  }
  titles[0] = "Blank";
  titles[1] = "The Fool";
  titles[2] = "The Magician";
  titles[16] = "The Tower";
  titles[23] = "Ace of Wands";
  titles[37] = "Ace of Cups";
  return titles;
}

// The first showing: a journal that has read nothing yet (the files in the OS cache).
void BM_FirstShowing(benchmark::State& state) {
  const std::string& folder = DatabaseOf(static_cast<int>(state.range(0))).folder;
  std::size_t unreadable = 0;
  for (auto _ : state) {
    Journal journal(folder);
    benchmark::DoNotOptimize(journal.Refresh());
    state.PauseTiming();
    unreadable = 0;
    for (const JournalEntry& entry : journal.Entries()) unreadable += entry.readable ? 0 : 1;
    state.ResumeTiming();
  }
  state.counters["unreadable"] = static_cast<double>(unreadable);
}
BENCHMARK(BM_FirstShowing)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);
BENCHMARK(BM_FirstShowing)
    ->Arg(10000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);
BENCHMARK(BM_FirstShowing)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);

// A later showing: the folder as the journal last read it.
void BM_LaterShowing(benchmark::State& state) {
  Journal& journal = DatabaseOf(static_cast<int>(state.range(0))).journal;
  for (auto _ : state) benchmark::DoNotOptimize(journal.Refresh());
}
BENCHMARK(BM_LaterShowing)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);

// Making the haystacks once after a refresh (paid by the first keystroke after a change).
void BM_Haystacks(benchmark::State& state) {
  const std::vector<JournalEntry>& entries =
      DatabaseOf(static_cast<int>(state.range(0))).journal.Entries();
  const std::vector<std::string> titles = Titles();
  for (auto _ : state) {
    std::vector<std::string> haystacks;
    haystacks.reserve(entries.size());
    for (const JournalEntry& entry : entries) haystacks.push_back(SearchHaystack(entry, titles));
    benchmark::DoNotOptimize(haystacks.data());
  }
}
BENCHMARK(BM_Haystacks)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);

// One keystroke in the search field: the haystacks are already made.
void BM_Keystroke(benchmark::State& state) {
  Journal& journal = DatabaseOf(static_cast<int>(state.range(0))).journal;
  const std::vector<std::string>& haystacks = journal.Haystacks(Titles());
  JournalQuery query;
  query.text = "tow";
  std::size_t shown = 0;
  for (auto _ : state) {
    const std::vector<std::size_t> found = FilterJournal(journal.Entries(), haystacks, query);
    shown = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["shown"] = static_cast<double>(shown);
}
BENCHMARK(BM_Keystroke)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);

// The statistics of every entry (no filter set).
void BM_Statistics(benchmark::State& state) {
  const std::vector<JournalEntry>& entries =
      DatabaseOf(static_cast<int>(state.range(0))).journal.Entries();
  std::vector<std::size_t> shown(entries.size());
  std::iota(shown.begin(), shown.end(), std::size_t{0});
  for (auto _ : state) {
    const JournalStatistics stats = ComputeJournalStatistics(entries, shown);
    benchmark::DoNotOptimize(stats.readings);
  }
}
BENCHMARK(BM_Statistics)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);

}  // namespace
}  // namespace sibylon
