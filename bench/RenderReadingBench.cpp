// Budget: RenderReading of a 30-card reading with a complete 157-section description set,
// median under 1 ms (the set read from its file once, as the main window does per page).

#include <benchmark/benchmark.h>

#include "base/FolderListing.h"
#include "deck/CardTitles.h"
#include "reading/PageWords.h"
#include "reading/RenderReading.h"
#include "srml/SectionReader.h"

namespace sibylon {
namespace {

Lines ThirtyCardReading() {
  Lines reading = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SAVEDSPREAD\"]",
                   "[SPREAD]",
                   "Thirty",
                   "[/SPREAD]",
                   "[PERSON]",
                   "Anna",
                   "[/PERSON]",
                   "[DATETIME]",
                   "2026-12-10, 07-00",
                   "[/DATETIME]",
                   "[QUESTION]",
                   "What comes?<br />",
                   "[/QUESTION]",
                   "[CARDS]",
                   "30",
                   "[/CARDS]",
                   "[DESCRIPTION]",
                   "[/DESCRIPTION]",
                   "[MEANINGS]"};
  for (int i = 1; i <= 30; ++i) reading.push_back("Position " + std::to_string(i));
  reading.push_back("[/MEANINGS]");
  reading.push_back("[POSITIONS]");
  for (int i = 0; i < 30; ++i) {
    reading.push_back(std::to_string(5 + 40 * (i % 10)) + "," + std::to_string(5 + 60 * (i / 10)));
  }
  reading.insert(reading.end(), {"[/POSITIONS]", "[FORTUNE]"});
  for (int i = 0; i < 30; ++i) reading.push_back(std::to_string(i * 2 + 1));
  reading.insert(reading.end(), {"[/FORTUNE]", "[MIRRORS]"});
  for (int i = 0; i < 30; ++i) reading.push_back(i % 2 ? "reversed" : "normal");
  reading.insert(reading.end(), {"[/MIRRORS]", "[COMMENTS]", "[/COMMENTS]", "[/SRML]"});
  return reading;
}

void BM_RenderThirtyCardReading(benchmark::State& state) {
  const Lines reading = ThirtyCardReading();
  const auto sets = ListFiles(std::string(SIBYLON_DATA) + "/descriptions", ".srml");
  const std::string set_path =
      std::string(SIBYLON_DATA) + "/descriptions/" + (sets.empty() ? "Custom.srml" : sets.front());
  const CardTitleList titles = ComposeCardTitleList(InitialTitleSet());
  for (auto _ : state) {
    std::optional<Lines> set;
    RenderInputs inputs;
    inputs.reading = &reading;
    inputs.titles = &titles;
    inputs.deck_folder = "/opt/sibylon/cards/Celestine/";
    inputs.options.meanings = inputs.options.numbers = inputs.options.titles = true;
    inputs.words = EnglishPageWords();
    inputs.descriptions = [&](const std::string& section) {
      if (!set) set = ReadLinesFile(set_path);
      return SectionReader(*set, section);
    };
    benchmark::DoNotOptimize(RenderReading(inputs));
  }
}
BENCHMARK(BM_RenderThirtyCardReading)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace sibylon
