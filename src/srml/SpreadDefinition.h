#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// The top-left corner of a position's card on the spread editor's 406 x 306 card table.
struct CardPlace {
  int left = 0;
  int top = 0;
};

// A spread as the editor saves it. The number of positions N is positions.size() (1..30).
struct SpreadDefinition {
  std::string title;
  std::vector<std::string> description;  // hard lines as typed, without "<br />"
  std::vector<std::string> meanings;     // N entries
  std::vector<CardPlace> positions;      // N entries
  std::vector<std::string> comments;     // hard lines, without "<br />"
};

// The document's lines: header, SPREAD, CARDS, DESCRIPTION and COMMENTS (every line followed by
// "<br />"), N MEANINGS lines and N POSITIONS lines ("left,top"), "[/SRML]". Meanings beyond the
// N-th are not written; a missing one fails with "List index out of bounds".
Lines SpreadDefinitionLines(const SpreadDefinition& spread);

// Writes spreads_folder + title + ".srml" (the folder with its trailing separator), replacing an
// existing file atomically; fails with "Cannot create file".
void WriteSpreadDefinition(const std::string& spreads_folder, const SpreadDefinition& spread);

// A position line split at its LAST comma. Without a comma, left is empty and top is the whole
// line.
struct PositionText {
  std::string left, top;
};
PositionText SplitPositionLine(std::string_view line);

// SplitPositionLine, then left and top converted in that order ("'%s' is not a valid integer
// value" for the first that is not an integer).
CardPlace ParsePosition(std::string_view line);

// The number on the CARDS line of a spread document (or of a saved reading, which copies it):
// "List index out of bounds (0)" without one, "'%s' is not a valid integer value" for a line
// that is no integer.
int SpreadCardCount(const Lines& document);

// What a spread document says of each of its positions: the meaning ("" where it has none) and
// the card's place on the card table (none where the POSITIONS line is missing or unreadable),
// one each for the SpreadCardCount positions (none for a count below 1).
struct SpreadPositions {
  std::vector<std::string> meanings;
  std::vector<std::optional<CardPlace>> places;
};
SpreadPositions ReadSpreadPositions(const Lines& document);

}  // namespace sibylon
