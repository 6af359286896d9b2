#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/TextLines.h"

namespace sibylon {

using SectionLines = Lines;

// A section's tags, each a whole line: "[name]" and "[/name]".
std::string StartTag(std::string_view name);
std::string EndTag(std::string_view name);

// Where the section `name` lies in a document: the indexes of its last start tag and of its last
// end tag, -1 for a tag that is not there. The reader and every writer go by these two.
struct SectionPlace {
  std::ptrdiff_t start = -1;
  std::ptrdiff_t end = -1;
};
SectionPlace FindSection(const Lines& document, std::string_view name);

// The lines between "[name]" and "[/name]". Tags are whole lines compared byte for byte; the last
// start tag and the last end tag of the document win. A missing tag, or a start tag at or after
// the end tag, gives an empty result.
SectionLines SectionReader(const Lines& document, std::string_view name);

// Where each source selector takes its document from, as the pages hold it at the moment of the
// call. An absent selection stands for a list without a selected entry.
struct SectionSources {
  std::string app_folder;                               // with trailing separator
  std::string spread_editor_file;                       // "CSE": full path, empty for none
  std::optional<std::string> selected_spread;           // "CSS": spreads/<name>.srml
  std::optional<std::string> selected_description_set;  // "CDS": descriptions/<name>.srml
  const Lines* held_reading = nullptr;                  // "CSS1": the reading in memory
};

// The lines of the document that `selector` names ("CSE", "CSS", "CSS1", "CDE", "CDS").
// A list without selection fails with "List index out of bounds (-1)"; an unknown selector gives
// no lines.
Lines SourceLines(const SectionSources& sources, std::string_view selector);

SectionLines SectionReader(const SectionSources& sources, std::string_view selector,
                           std::string_view name);

}  // namespace sibylon
