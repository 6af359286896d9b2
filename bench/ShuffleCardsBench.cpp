// Budget: ShuffleCards of 78 cards + 999 blank cards, median under 100 us.

#include <benchmark/benchmark.h>

#include "deck/ShuffleCards.h"

namespace sibylon {
namespace {

void BM_ShuffleAllCardsWithMostBlanks(benchmark::State& state) {
  DeckOptions options;
  options.reversed = true;
  options.blanks = true;
  options.blank_count = "999";
  std::uint32_t seed = 1;
  for (auto _ : state) benchmark::DoNotOptimize(ShuffleCards(options, seed++));
}
BENCHMARK(BM_ShuffleAllCardsWithMostBlanks)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace sibylon
