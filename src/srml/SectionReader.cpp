#include "srml/SectionReader.h"

#include "base/AppError.h"
#include "base/AppFolder.h"
#include "srml/CardDescriptionSet.h"

namespace sibylon {

std::string StartTag(std::string_view name) { return "[" + std::string(name) + "]"; }

std::string EndTag(std::string_view name) { return "[/" + std::string(name) + "]"; }

SectionPlace FindSection(const Lines& document, std::string_view name) {
  const std::string start_tag = StartTag(name);
  const std::string end_tag = EndTag(name);
  SectionPlace place;
  for (std::size_t i = 0; i < document.size(); ++i) {
    if (document[i] == start_tag) place.start = static_cast<std::ptrdiff_t>(i);
    if (document[i] == end_tag) place.end = static_cast<std::ptrdiff_t>(i);
  }
  return place;
}

SectionLines SectionReader(const Lines& document, std::string_view name) {
  const SectionPlace place = FindSection(document, name);
  if (place.start < 0 || place.end < 0 || place.start + 1 >= place.end) return {};
  return SectionLines(document.begin() + place.start + 1, document.begin() + place.end);
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
  if (selector == "CDE")
    return ReadLinesFile(app.Path(kDescriptionsFolder) + kCustomDescriptionSet);
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
