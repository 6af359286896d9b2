#include "database/ReadingFileName.h"

#include "base/TextReplace.h"

namespace sibylon {

std::string RemoveRestrictedSymbols(std::string text) {
  for (const char& symbol : kRestrictedSymbols) {
    text = RemoveAll(std::move(text), std::string_view(&symbol, 1));
  }
  return text;
}

std::string PreviewFileName(std::string_view file_template, std::string_view spread_name,
                            std::string_view date_text, std::string_view person) {
  std::string name = ReplaceAll(std::string(file_template), "#S", spread_name);
  name = ReplaceAll(std::move(name), "#D", date_text);
  name = Trim(RemoveRestrictedSymbols(std::move(name)));
  return ReplaceAll(std::move(name), "#N", person);
}

}  // namespace sibylon
