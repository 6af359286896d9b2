#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QListWidget;

namespace sibylon {

class HtmlView;

// The "Card Decks" page: the installed decks and the view of the selected one. The deck chosen
// here is the deck of every reading.
class CardDecksPage : public QWidget {
  Q_OBJECT

 public:
  explicit CardDecksPage(QWidget* parent = nullptr);

  // The selected deck's folder name; nothing when no deck is selected.
  std::optional<std::string> SelectedDeck() const;

  QListWidget* decks = nullptr;  // FileListBox2
  HtmlView* view = nullptr;      // CppWebBrowser3
};

}  // namespace sibylon
