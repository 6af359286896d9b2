#pragma once

#include <QUrl>

class QWidget;

namespace sibylon {

// The scheme of the program's own on which HtmlView shows local files that are pages whatever
// their extension: "sibylon-page://local" + the absolute path.
inline constexpr char kPageScheme[] = "sibylon-page";

// Where an address that a page or a label of the program links to may go.
enum class LinkTarget {
  kView,           // local: the program's own pages and pictures, and the anchors in them
  kSystemHandler,  // http, https and mailto: the desktop's browser or mail program
  kRefused,        // anything else: a stored text must not hand an address to another program
};

LinkTarget LinkTargetOf(const QUrl& url);

// Hands `url` to the desktop's handler for it; where the desktop has none (no browser, no program
// for local files), the user reads what could not be opened in the error box over `parent`.
void OpenOnDesktop(QWidget* parent, const QUrl& url);

}  // namespace sibylon
