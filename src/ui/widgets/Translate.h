#pragma once

#include <QString>
#include <cstring>

#ifndef SIBYLON_INTERFACE_LANGUAGE
#define SIBYLON_INTERFACE_LANGUAGE "EN"
#endif

namespace sibylon {

// A text of the pages that came after the interface languages' caption table, in the language the
// program is built with: English, or Russian in the Russian build.
inline QString Tr(const char* english, const char* russian) {
  return QString::fromUtf8(std::strcmp(SIBYLON_INTERFACE_LANGUAGE, "RU") == 0 ? russian : english);
}

}  // namespace sibylon
