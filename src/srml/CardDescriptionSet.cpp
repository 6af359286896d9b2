#include "srml/CardDescriptionSet.h"

#include "app/FolderListing.h"
#include "app/TextReplace.h"
#include "deck/CardCatalogue.h"

namespace sibylon {

std::string DescriptionSectionName(std::string_view card_text, std::string_view orientation) {
  return "CARD ID=\"" + std::string(card_text) + "\" TYPE=\"" + OrientationType(orientation) + "\"";
}

Lines ReplaceDescriptionSectionLines(const Lines& document, std::string_view name,
                                     const Lines& new_lines) {
  const std::string start_tag = "[" + std::string(name) + "]";
  const std::string end_tag = "[/" + std::string(name) + "]";
  std::ptrdiff_t start = -1, end = -1;
  for (std::size_t i = 0; i < document.size(); ++i) {
    if (document[i] == start_tag) start = static_cast<std::ptrdiff_t>(i);
    if (document[i] == end_tag) end = static_cast<std::ptrdiff_t>(i);
  }
  Lines result;
  if (start >= 0 && end > start) {
    result.assign(document.begin(), document.begin() + start + 1);
    result.insert(result.end(), new_lines.begin(), new_lines.end());
    result.insert(result.end(), document.begin() + end, document.end());
    return result;
  }
  const bool closed = !document.empty() && document.back() == "[/SRML]";
  result.assign(document.begin(), closed ? document.end() - 1 : document.end());
  result.push_back(start_tag);
  result.insert(result.end(), new_lines.begin(), new_lines.end());
  result.push_back(end_tag);
  if (closed) result.push_back("[/SRML]");
  return result;
}

void ReplaceDescriptionSection(const std::string& set_path, std::string_view name,
                               const Lines& new_lines) {
  WriteLinesFile(set_path, ReplaceDescriptionSectionLines(ReadLinesFile(set_path), name, new_lines));
}

std::vector<std::string> DescriptionSetNames(const std::string& descriptions_folder) {
  std::vector<std::string> names;
  for (const std::string& file : ListFiles(descriptions_folder, ".srml")) {
    names.push_back(RemoveAll(file, ".srml"));
  }
  SortWithoutCase(names);
  return names;
}

void ConvertOldDescriptions(const AppFolder& app) {
  Lines set = {"[CARD ID=\"0\" TYPE=\"BLANK\"]", "Black Hole", "[/CARD ID=\"0\" TYPE=\"BLANK\"]"};
  for (const char* orientation : {"normal", "reversed"}) {
    const std::string folder = app.Path("description/custom keywords/") + orientation + "/";
    for (int card = 1; card < kCardCount; ++card) {
      const std::string name = DescriptionSectionName(std::to_string(card), orientation);
      const Lines text = ReadLinesFile(folder + std::to_string(card) + ".htm");
      set.push_back("[" + name + "]");
      set.insert(set.end(), text.begin(), text.end());
      set.push_back("[/" + name + "]");
    }
  }
  WriteLinesFile(app.Path(kDescriptionsFolder) + "custom keywords.srml", set);
}

}  // namespace sibylon
