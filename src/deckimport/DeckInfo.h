#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sibylon {

// What a deck says about itself. An imported deck keeps it in `deck-info.txt` in its folder:
// plain text, one "key=value" a line (name, author, license, source), CR LF after every line.
// Unknown keys are passed over, so later versions may add lines.
struct DeckInfo {
  std::string name;
  std::string author;
  std::string license;
  std::string source;  // the folder the deck was imported from

  bool Empty() const { return name.empty() && author.empty() && license.empty() && source.empty(); }
  bool operator==(const DeckInfo&) const = default;
};

inline constexpr char kDeckInfoFile[] = "deck-info.txt";

// The file's text; line breaks and other control characters in a value become blanks, so every
// value stays on its line.
std::string DeckInfoText(const DeckInfo& info);

// Reads the text of a deck-info file; lines without "=" and unknown keys are passed over.
DeckInfo ParseDeckInfo(std::string_view text);

// The deck-info file of a deck folder (with its trailing separator); nothing when the deck has
// none or it cannot be read.
std::optional<DeckInfo> ReadDeckInfo(const std::string& deck_folder);

}  // namespace sibylon
