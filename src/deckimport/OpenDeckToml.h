#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "deckimport/CardFileNames.h"
#include "deckimport/DeckInfo.h"

namespace sibylon {

// The TOML files of an open deck, read with toml++: `deck.toml` and `names/<language>.toml`.
// A file that is no valid TOML yields nothing and the parser's message with its line.

struct OpenDeckDescription {
  DeckInfo info;                    // [deck] name, author, license
  std::optional<TrumpOrder> order;  // [remap_major_arcana]: 08 = "justice" or 11 = "strength"
};

struct TomlProblem {
  std::string message;  // "line 3: ..."; empty when the file was read
};

OpenDeckDescription ReadDeckToml(std::string_view text, TomlProblem& problem);

// [major_arcana] 00 = "The Fool" .. 21, [minor_arcana.<suit>] ace = "Ace of Wands" .. king (or
// 01 .. 14); other tables and values that are not text are passed over.
std::vector<std::pair<SourceCard, std::string>> ReadCardNames(std::string_view text,
                                                              TomlProblem& problem);

}  // namespace sibylon
