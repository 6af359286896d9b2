#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace sibylon {

class HtmlView;

// The "Card Decks" page: the installed decks and the view of the selected one. The deck chosen
// here is the deck of every reading.
class CardDecksPage : public QWidget {
  Q_OBJECT

 public:
  explicit CardDecksPage(QWidget* parent = nullptr);

  void SetDecks(const std::vector<std::string>& decks);
  // The selected deck's folder name; nothing when no deck is selected.
  std::optional<std::string> SelectedDeck() const;
  // Selects the first deck equal to `name` without regard to letter case, or none; no click.
  void SelectDeck(const std::string& name);
  // Shows the deck view page `path`.
  void ShowDeckView(const std::string& path);

 signals:
  // FileListBox2Click: every click on a deck, the selected one too, and every move through the
  // list with the keys. A selection that the program makes is no click.
  void DeckClicked();

 private:
  QListWidget* decks_ = nullptr;  // FileListBox2
  HtmlView* view_ = nullptr;      // CppWebBrowser3
};

}  // namespace sibylon
