#pragma once

class QWidget;

namespace sibylon {

struct PageWords;

// The interface language is fixed when the program is built (SIBYLON_INTERFACE_LANGUAGE, "EN" or
// "RU"); it is not a setting.
const char* InterfaceLanguage();

// The words that label the reading page in the built language.
const PageWords& InterfacePageWords();

// Start-up: the English texts are the controls' own; the Russian build replaces the captions of
// `window`'s controls and moves the few controls whose layout changes with them.
void ApplyInterfaceLanguage(QWidget* window);

}  // namespace sibylon
