#include "srml/SavedReading.h"

#include "base/AppError.h"
#include "base/StrToInt.h"
#include "base/TextReplace.h"
#include "srml/DateTimeFormat.h"
#include "srml/SectionReader.h"
#include "srml/SpreadDefinition.h"

namespace sibylon {
namespace {

void AddOneLineSection(Lines& lines, const char* name, std::string line) {
  lines.push_back(StartTag(name));
  lines.push_back(std::move(line));
  lines.push_back(EndTag(name));
}

void AddCopiedSection(Lines& lines, const Lines& spread, const char* name) {
  lines.push_back(StartTag(name));
  for (std::string& line : SectionReader(spread, name)) lines.push_back(std::move(line));
  lines.push_back(EndTag(name));
}

// The first `count` entries of a shuffle list; the first missing one fails.
void AddDealtSection(Lines& lines, const char* name, const std::vector<std::string>& list,
                     int count) {
  lines.push_back(StartTag(name));
  for (int i = 0; i < count; ++i) {
    if (static_cast<std::size_t>(i) >= list.size()) throw ListIndexOutOfBounds(i);
    lines.push_back(list[static_cast<std::size_t>(i)]);
  }
  lines.push_back(EndTag(name));
}

}  // namespace

Lines ComposeSavedReading(const DealInputs& inputs) {
  Lines lines = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SAVEDSPREAD\"]"};
  AddOneLineSection(lines, "SPREAD", inputs.spread_name);
  AddOneLineSection(lines, "PERSON", Trim(inputs.person));
  AddOneLineSection(lines, "DATETIME", FormatDateTime(inputs.date_pattern, inputs.local_time));

  lines.push_back(StartTag("QUESTION"));
  for (const std::string& line : inputs.question_lines) lines.push_back(line + "<br />");
  lines.push_back(EndTag("QUESTION"));

  const int count = SpreadCardCount(inputs.spread_document);
  AddOneLineSection(lines, "CARDS", std::to_string(count));

  for (const char* name : {"DESCRIPTION", "MEANINGS", "POSITIONS"}) {
    AddCopiedSection(lines, inputs.spread_document, name);
  }
  AddDealtSection(lines, "FORTUNE", inputs.fortune, count);
  AddDealtSection(lines, "MIRRORS", inputs.mirrors, count);
  AddCopiedSection(lines, inputs.spread_document, "COMMENTS");
  lines.push_back("[/SRML]");
  return lines;
}

}  // namespace sibylon
