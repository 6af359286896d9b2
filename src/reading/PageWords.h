#pragma once

#include <string>

namespace sibylon {

// The seven words that label the reading page, in the interface's language.
struct PageWords {
  std::string spread, reading, card, back, question, date, name;
};

const PageWords& EnglishPageWords();
const PageWords& RussianPageWords();

}  // namespace sibylon
