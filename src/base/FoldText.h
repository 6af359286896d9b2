#pragma once

#include <string>
#include <string_view>

namespace sibylon {

// Text as the program's searches compare it (the journal, the card chooser): UTF-8 letters in
// lower case and without their diacritics (Latin letters of Latin-1 and Latin Extended-A to their
// base letter, Cyrillic to lower case with "ё" as "е"); every other byte as it is.
std::string FoldForSearch(std::string_view text);

}  // namespace sibylon
