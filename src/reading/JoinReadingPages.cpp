#include "reading/JoinReadingPages.h"

#include "base/AppError.h"
#include "base/TextReplace.h"

namespace sibylon {
namespace {

constexpr char kBodyStart[] = "<body class=\"b\">";
constexpr char kBodyEnd[] = "</body></html>";

std::size_t BodyLine(const Lines& page) {
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i].rfind(kBodyStart, 0) == 0) return i;
  }
  throw ListIndexOutOfBounds(static_cast<long long>(page.size()));
}

// The anchors the renderer writes, and the links to them, with the reading's own prefix.
std::string Renumbered(std::string line, const std::string& prefix) {
  line = ReplaceAll(std::move(line), "<a id=\"top\" name=\"top\">",
                    "<a id=\"" + prefix + "top\" name=\"" + prefix + "top\">");
  line = ReplaceAll(std::move(line), "href=\"#top\"", "href=\"#" + prefix + "top\"");
  line = ReplaceAll(std::move(line), "href=\"#a", "href=\"#" + prefix + "a");
  line = ReplaceAll(std::move(line), "<a id=\"a", "<a id=\"" + prefix + "a");
  return ReplaceAll(std::move(line), "\" name=\"a", "\" name=\"" + prefix + "a");
}

}  // namespace

Lines JoinReadingPages(const std::vector<Lines>& pages, const std::string& title) {
  Lines joined;
  if (pages.empty()) return joined;
  const Lines& first = pages.front();
  const std::size_t head_end = BodyLine(first);
  for (std::size_t i = 0; i < head_end; ++i) {
    // The title line follows "<title>" (the spread's name on a reading's page).
    joined.push_back(i > 0 && first[i - 1] == "<title>" ? title : first[i]);
  }
  joined.push_back("<body style=\"margin:0px\">");
  for (std::size_t k = 0; k < pages.size(); ++k) {
    const Lines& page = pages[k];
    const std::size_t body = BodyLine(page);
    const std::string prefix = "r" + std::to_string(k + 1) + "-";
    // Each reading starts a new sheet; the first one the document.
    const std::string block =
        k == 0 ? "<div class=\"b\">" : "<div class=\"b\" style=\"page-break-before:always\">";
    for (std::size_t i = body; i < page.size(); ++i) {
      std::string line = Renumbered(page[i], prefix);
      if (i == body) line = block + line.substr(sizeof(kBodyStart) - 1);
      const std::size_t end = line.rfind(kBodyEnd);
      if (end != std::string::npos) line.replace(end, sizeof(kBodyEnd) - 1, "</div>");
      joined.push_back(std::move(line));
    }
  }
  joined.push_back(kBodyEnd);
  return joined;
}

}  // namespace sibylon
