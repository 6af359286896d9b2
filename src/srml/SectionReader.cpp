#include "srml/SectionReader.h"

#include "base/AppError.h"
#include "base/AppFolder.h"

namespace sibylon {

SectionLines SectionReader(const Lines& document, std::string_view name) {
  const std::string start_tag = "[" + std::string(name) + "]";
  const std::string end_tag = "[/" + std::string(name) + "]";
  std::size_t start = 0, end = 0;
  bool has_start = false, has_end = false;
  for (std::size_t i = 0; i < document.size(); ++i) {
    if (document[i] == start_tag) {
      start = i + 1;
      has_start = true;
    }
    if (document[i] == end_tag) {
      end = i;
      has_end = true;
    }
  }
  if (!has_start || !has_end || start >= end) return {};
  return SectionLines(document.begin() + static_cast<std::ptrdiff_t>(start),
                      document.begin() + static_cast<std::ptrdiff_t>(end));
}

namespace {

const std::string& Selected(const std::optional<std::string>& selection) {
  if (!selection) throw ListIndexOutOfBounds(-1);
  return *selection;
}

}  // namespace

Lines SourceLines(const SectionSources& sources, std::string_view selector) {
  const AppFolder app(sources.app_folder);
  if (selector == "CSE") return ReadLinesFile(sources.spread_editor_file);
  if (selector == "CSS") {
    return ReadLinesFile(app.Path(kSpreadsFolder) + Selected(sources.selected_spread) + ".srml");
  }
  if (selector == "CSS1") return sources.held_reading ? *sources.held_reading : Lines{};
  if (selector == "CDE") return ReadLinesFile(app.Path(kDescriptionsFolder) + "Custom.srml");
  if (selector == "CDS") {
    return ReadLinesFile(app.Path(kDescriptionsFolder) +
                         Selected(sources.selected_description_set) + ".srml");
  }
  return {};
}

SectionLines SectionReader(const SectionSources& sources, std::string_view selector,
                           std::string_view name) {
  if (selector == "CSS1" && sources.held_reading) return SectionReader(*sources.held_reading, name);
  return SectionReader(SourceLines(sources, selector), name);
}

}  // namespace sibylon
