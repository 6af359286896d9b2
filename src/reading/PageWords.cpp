#include "reading/PageWords.h"

namespace sibylon {

const PageWords& EnglishPageWords() {
  static const PageWords kWords = {"Spread", "Reading", "Card", "back", "Question", "Date", "Name"};
  return kWords;
}

const PageWords& RussianPageWords() {
  static const PageWords kWords = {"Расклад", "Чтение расклада", "Карта", "назад", "Вопрос", "Дата",
                                   "Имя"};
  return kWords;
}

}  // namespace sibylon
