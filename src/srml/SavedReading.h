#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// What a deal composes its saved reading from, gathered from the pages at the moment of the deal.
struct DealInputs {
  std::string spread_name;                    // the selected entry of the spread list
  std::string person;                         // the name field as typed (trimmed by the composer)
  std::string date_pattern;                   // the chosen kDateTimePatterns entry
  std::tm local_time{};                       // the clock at the deal
  std::vector<std::string> question_lines;    // hard lines of the question; none when it is empty
  Lines spread_document;                      // the selected spread file's lines
  std::vector<std::string> fortune, mirrors;  // the latest shuffle's lists
};

// All lines of the saved reading, top to bottom: SPREAD, PERSON, DATETIME, QUESTION (each line
// followed by "<br />"), CARDS (the spread's count, converted and written again in decimal), the
// spread's DESCRIPTION, MEANINGS and POSITIONS copied, the first N entries of FORTUNE and MIRRORS,
// the spread's COMMENTS. A CARDS line that is not an integer fails with "'%s' is not a valid
// integer value", a missing one with "List index out of bounds (0)", and too few shuffled entries
// with "List index out of bounds (i)" for the first missing entry i. A failure returns nothing, so
// the caller keeps its previous reading.
Lines ComposeSavedReading(const DealInputs& inputs);

}  // namespace sibylon
