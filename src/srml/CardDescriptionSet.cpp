#include "srml/CardDescriptionSet.h"

#include "base/FolderListing.h"
#include "base/TextReplace.h"
#include "deck/CardCatalogue.h"
#include "srml/SectionReader.h"

namespace sibylon {

std::string DescriptionSectionName(std::string_view card_text, std::string_view orientation) {
  return "CARD ID=\"" + std::string(card_text) + "\" TYPE=\"" + OrientationType(orientation) + "\"";
}

Lines ReplaceDescriptionSectionLines(const Lines& document, std::string_view name,
                                     const Lines& new_lines) {
  // The reader takes the last start tag and the last end tag; so does the writer.
  const auto [start, end] = FindSection(document, name);
  Lines result;
  if (start >= 0 && end > start) {
    result.assign(document.begin(), document.begin() + start + 1);
    result.insert(result.end(), new_lines.begin(), new_lines.end());
    result.insert(result.end(), document.begin() + end, document.end());
    return result;
  }
  // No usable section: add one at the end (before the closing line), where the reader finds it,
  // and leave every other line as it was.
  const bool closed = !document.empty() && document.back() == "[/SRML]";
  result.assign(document.begin(), closed ? document.end() - 1 : document.end());
  result.push_back(StartTag(name));
  result.insert(result.end(), new_lines.begin(), new_lines.end());
  result.push_back(EndTag(name));
  if (closed) result.push_back("[/SRML]");
  return result;
}

void ReplaceDescriptionSection(const std::string& custom_set_path, std::string_view name,
                               const Lines& new_lines) {
  WriteLinesFile(custom_set_path,
                 ReplaceDescriptionSectionLines(ReadLinesFile(custom_set_path), name, new_lines));
}

std::vector<std::string> DescriptionSetNames(const std::string& descriptions_folder) {
  // The list follows the file names' order; the names are shown without the extension.
  std::vector<std::string> files = ListFiles(descriptions_folder, ".srml");
  SortWithoutCase(files);
  std::vector<std::string> names;
  names.reserve(files.size());
  for (std::string& file : files) names.push_back(RemoveAll(std::move(file), ".srml"));
  return names;
}

void ConvertOldDescriptions(const AppFolder& app) {
  // Every file is read before the set is written, so a missing one leaves no half set behind.
  Lines set = {"[CARD ID=\"0\" TYPE=\"BLANK\"]", "Black Hole", "[/CARD ID=\"0\" TYPE=\"BLANK\"]"};
  for (const char* orientation : {"normal", "reversed"}) {
    const std::string folder = app.Path("description/custom keywords/") + orientation + "/";
    // The old per-card files hold the 78 cards; the blank card's text was never kept in them.
    for (int card = 1; card < kCardCount; ++card) {
      const std::string number = std::to_string(card);
      const std::string name = DescriptionSectionName(number, orientation);
      const Lines text = ReadLinesFile(folder + number + ".htm");
      set.push_back("[" + name + "]");
      set.insert(set.end(), text.begin(), text.end());
      set.push_back("[/" + name + "]");
    }
  }
  WriteLinesFile(app.Path(kDescriptionsFolder) + "custom keywords.srml", set);
}

}  // namespace sibylon
