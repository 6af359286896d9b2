#include "srml/SpreadDefinition.h"

#include <algorithm>

#include "base/AppError.h"
#include "base/StrToInt.h"
#include "srml/SectionReader.h"

namespace sibylon {
namespace {

constexpr const char* kLineBreak = "<br />";

void AddTextSection(Lines& lines, const char* name, const std::vector<std::string>& text) {
  lines.push_back(StartTag(name));
  for (const std::string& line : text) lines.push_back(line + kLineBreak);
  lines.push_back(EndTag(name));
}

}  // namespace

Lines SpreadDefinitionLines(const SpreadDefinition& spread) {
  const std::size_t count = spread.positions.size();
  Lines lines = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SPREAD\"]",
                 "[SPREAD]",
                 spread.title,
                 "[/SPREAD]",
                 "[CARDS]",
                 std::to_string(count),
                 "[/CARDS]"};
  AddTextSection(lines, "DESCRIPTION", spread.description);
  lines.push_back("[MEANINGS]");
  for (std::size_t i = 0; i < count; ++i) {
    if (i >= spread.meanings.size()) throw ListIndexOutOfBounds(static_cast<long long>(i));
    lines.push_back(spread.meanings[i]);
  }
  lines.push_back("[/MEANINGS]");
  lines.push_back("[POSITIONS]");
  for (const CardPlace& place : spread.positions) {
    lines.push_back(std::to_string(place.left) + "," + std::to_string(place.top));
  }
  lines.push_back("[/POSITIONS]");
  AddTextSection(lines, "COMMENTS", spread.comments);
  lines.push_back("[/SRML]");
  return lines;
}

void WriteSpreadDefinition(const std::string& spreads_folder, const SpreadDefinition& spread) {
  WriteLinesFile(spreads_folder + spread.title + ".srml", SpreadDefinitionLines(spread));
}

PositionText SplitPositionLine(std::string_view line) {
  const std::size_t comma = line.rfind(',');
  if (comma == std::string_view::npos) return {"", std::string(line)};
  return {std::string(line.substr(0, comma)), std::string(line.substr(comma + 1))};
}

CardPlace ParsePosition(std::string_view line) {
  const PositionText text = SplitPositionLine(line);
  CardPlace place;
  place.left = StrToInt(text.left);
  place.top = StrToInt(text.top);
  return place;
}

int SpreadCardCount(const Lines& document) {
  const Lines cards = SectionReader(document, "CARDS");
  if (cards.empty()) throw ListIndexOutOfBounds(0);
  return StrToInt(cards[0]);
}

SpreadPositions ReadSpreadPositions(const Lines& document) {
  const int count = SpreadCardCount(document);
  const Lines meanings = SectionReader(document, "MEANINGS");
  const Lines positions = SectionReader(document, "POSITIONS");
  SpreadPositions spread;
  for (std::size_t i = 0; i < static_cast<std::size_t>(std::max(count, 0)); ++i) {
    spread.meanings.push_back(i < meanings.size() ? meanings[i] : std::string());
    std::optional<CardPlace> place;
    if (i < positions.size()) {
      try {
        place = ParsePosition(positions[i]);
      } catch (const AppError&) {
        // An unreadable place is only left out; a deal of the spread says what is wrong.
      }
    }
    spread.places.push_back(place);
  }
  return spread;
}

}  // namespace sibylon
