#pragma once

#include <string>
#include <string_view>

#include "base/TextLines.h"

namespace sibylon {

// The page that previews a spread: its name as a heading, then its description lines as stored
// (each already ends with "<br />").
Lines SpreadPreviewPage(std::string_view spread_name, const Lines& description,
                        std::string_view code_page);

}  // namespace sibylon
