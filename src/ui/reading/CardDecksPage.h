#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "deckimport/DeckInfo.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace sibylon {

class HtmlView;

// The "Card Decks" page: the installed decks and the view of the selected one. The deck chosen
// here is the deck of every reading.
class CardDecksPage : public QWidget {
  Q_OBJECT

 public:
  explicit CardDecksPage(QWidget* parent = nullptr);

  // The decks of the list; "Remove Deck" is enabled while there are two or more.
  void SetDecks(const std::vector<std::string>& decks);
  // The selected deck's folder name; nothing when no deck is selected.
  std::optional<std::string> SelectedDeck() const;
  // Selects the first deck equal to `name` without regard to letter case, or none; no click.
  void SelectDeck(const std::string& name);
  // Shows the deck view page `path`.
  void ShowDeckView(const std::string& path);
  // What the selected deck `deck` says about itself (its deck-info file), under the list; a deck
  // without one shows nothing there.
  void ShowDeckInfo(const std::string& deck, const std::optional<DeckInfo>& info);

  // The texts of "Remove Deck": its question, and why a deck stays.
  static QString RemoveQuestion(const std::string& deck);
  static QString CannotRemoveText(const std::string& deck, int error_number);

  int DeckCount() const;
  int SelectedRow() const;
  // Selects the deck of `row` (clamped to the list), or none in an empty list; no click.
  void SelectRow(int row);

 signals:
  // FileListBox2Click: every click on a deck, the selected one too, and every move through the
  // list with the keys. A selection that the program makes is no click.
  void DeckClicked();
  void ImportDeckClicked();  // "Import Deck..."
  void RemoveDeckClicked();  // "Remove Deck"

 private:
  QListWidget* decks_ = nullptr;  // FileListBox2
  HtmlView* view_ = nullptr;      // CppWebBrowser3
  QLabel* info_ = nullptr;        // the deck's author, license and source
  QPushButton* import_ = nullptr;
  QPushButton* remove_ = nullptr;
};

}  // namespace sibylon
