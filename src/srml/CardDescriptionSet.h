#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/AppFolder.h"
#include "base/TextLines.h"

namespace sibylon {

// The user's own description set, the one the card descriptions editor writes.
inline constexpr char kCustomDescriptionSet[] = "Custom.srml";

// The section of a card's text in a description set: CARD ID="n" TYPE="NORMAL" (REVERSED, BLANK).
std::string DescriptionSectionName(std::string_view card_text, std::string_view orientation);

// The document with that section's content replaced. A section that the document lacks (or whose
// end tag stands before its start tag) is added -- before a final "[/SRML]" line if there is one,
// else at the end -- instead of corrupting the document.
Lines ReplaceDescriptionSectionLines(const Lines& document, std::string_view name,
                                     const Lines& new_lines);

// Reads the user's set whole ("Cannot open file"), replaces the section and replaces the file
// atomically; a set that cannot be read is not written.
void ReplaceDescriptionSection(const std::string& custom_set_path, std::string_view name,
                               const Lines& new_lines);

// The names of the sets in `descriptions`: the *.srml files, sorted without regard to letter
// case, with every ".srml" removed.
std::vector<std::string> DescriptionSetNames(const std::string& descriptions_folder);

// Builds the set "custom keywords" from the older one-file-per-card form under
// "description/custom keywords/normal|reversed/<n>.htm"; nothing is written if a file is missing.
void ConvertOldDescriptions(const AppFolder& app);

}  // namespace sibylon
