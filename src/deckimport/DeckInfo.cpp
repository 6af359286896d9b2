#include "deckimport/DeckInfo.h"

#include <utility>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "base/TextLines.h"
#include "base/TextReplace.h"

namespace sibylon {
namespace {

std::string OneLine(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return Trim(line);
}

std::pair<const char*, std::string DeckInfo::*> const kKeys[] = {
    {"name", &DeckInfo::name},
    {"author", &DeckInfo::author},
    {"license", &DeckInfo::license},
    {"source", &DeckInfo::source},
};

}  // namespace

std::string DeckInfoText(const DeckInfo& info) {
  Lines lines;
  for (const auto& [key, member] : kKeys) lines.push_back(key + ("=" + OneLine(info.*member)));
  return JoinLines(lines);
}

DeckInfo ParseDeckInfo(std::string_view text) {
  DeckInfo info;
  for (const std::string& line : SplitLines(text)) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = Trim(std::string_view(line).substr(0, equals));
    for (const auto& [name, member] : kKeys) {
      if (key == name) info.*member = Trim(std::string_view(line).substr(equals + 1));
    }
  }
  return info;
}

std::optional<DeckInfo> ReadDeckInfo(const std::string& deck_folder) {
  try {
    return ParseDeckInfo(ReadFileBytes(deck_folder + kDeckInfoFile));
  } catch (const AppError&) {
    return std::nullopt;
  }
}

}  // namespace sibylon
