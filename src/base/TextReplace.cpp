#include "base/TextReplace.h"

namespace sibylon {

std::string RemoveAll(std::string text, std::string_view what) {
  return ReplaceAll(std::move(text), what, "");
}

std::string ReplaceAll(std::string text, std::string_view what, std::string_view with) {
  if (what.empty()) return text;
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
    result.append(text, from, at - from);
    result.append(with);
    from = at + what.size();
  }
  result.append(text, from, std::string::npos);
  return result;
}

std::string Trim(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

}  // namespace sibylon
