#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// The page that shows a whole deck: the 78 upright pictures with their numbers and titles, in the
// trumps and the four suits. It is written into the `cards` folder, so pictures are named
// relative to it.
Lines DeckViewPage(std::string_view deck, const std::vector<std::string>& titles,
                   std::string_view code_page, bool frames);

}  // namespace sibylon
