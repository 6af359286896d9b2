#include "base/TextLines.h"

#include "base/FileBytes.h"

namespace sibylon {

Lines SplitLines(std::string_view text) {
  if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  Lines lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const Lines& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

Lines ReadLinesFile(const std::string& path) { return SplitLines(ReadFileBytes(path)); }

void WriteLinesFile(const std::string& path, const Lines& lines) {
  SaveToFile(path, JoinLines(lines));
}

}  // namespace sibylon
