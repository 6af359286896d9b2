#pragma once

#include <string>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// Reading pages (as RenderReading makes them, all with the same options) as one page to print,
// one reading after the other, each from a new sheet: the head of the first page, titled `title`
// (the style block serves every reading), then the body of each page in a block of its own. The
// anchors of each reading and the links to them are numbered apart ("r2-top", "r2-a1"), so that a
// link leads within its own reading. No page gives no reading. A page without a body fails with
// "List index out of bounds".
Lines JoinReadingPages(const std::vector<Lines>& pages, const std::string& title);

}  // namespace sibylon
