// Recognising a deck from any listing with any deck.toml and name table, and reading any deck-info
// file: the input is the listing (one path a line), the deck.toml, the names/en.toml and the
// deck-info text, cut at NUL bytes.
#include "FuzzInput.h"
#include "base/TextLines.h"
#include "deckimport/DeckInfo.h"
#include "deckimport/DeckMapping.h"
#include "deckimport/DeckScan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sibylon;
  const auto parts = fuzz::Parts(fuzz::Text(data, size), 4);
  std::vector<std::string> files = SplitLines(parts[0]);
  files.push_back("deck.toml");
  files.push_back("names/en.toml");
  const DeckScan scan = RecogniseDeck(files,
                                      [&](const std::string& path) -> std::optional<std::string> {
                                        if (path == "deck.toml") return std::string(parts[1]);
                                        if (path == "names/en.toml") return std::string(parts[2]);
                                        return std::nullopt;
                                      },
                                      {"en"});
  for (const TrumpOrder order : {TrumpOrder::kStrengthEight, TrumpOrder::kJusticeEight}) {
    const DeckMapping mapping = MapDeck(scan, order);
    if (mapping.MissingCount() < 0 || mapping.MissingCount() > 78) __builtin_trap();
  }
  for (const std::string& file : files) CardOfName(file);
  const DeckInfo info = ParseDeckInfo(parts[3]);
  // What is written reads back the same, each value on its line.
  const DeckInfo again = ParseDeckInfo(DeckInfoText(info));
  if (again.name.find('\n') != std::string::npos) __builtin_trap();
  return 0;
}
