#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "base/AppFolder.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace sibylon {

// The "Card Descriptions Editor" page: the upright and reversed text of every card in the user's
// own description set, with the card's two pictures from the chosen deck.
class DescriptionsEditorPage : public QWidget {
  Q_OBJECT

 public:
  // `deck_folder` gives the folder of the deck chosen on the Card Decks page, and fails when none
  // is chosen.
  DescriptionsEditorPage(const AppFolder& app, std::function<std::string()> deck_folder,
                         QWidget* parent = nullptr);

  // The card list (ListBox4): the titles of cards 1 to 78.
  void SetCardTitles(const std::vector<std::string>& titles);

  void ShowCardDescription();
  void SaveCardDescription();

 private:
  // The chosen card number, or nothing.
  std::optional<int> ChosenCard() const;

  AppFolder app_;
  std::function<std::string()> deck_folder_;
  QListWidget* cards_ = nullptr;
  QLabel* upright_picture_ = nullptr;        // Image1
  QLabel* reversed_picture_ = nullptr;       // Image2
  QPlainTextEdit* upright_text_ = nullptr;   // Memo6
  QPlainTextEdit* reversed_text_ = nullptr;  // Memo8
  QPushButton* save_ = nullptr;              // Button10
};

}  // namespace sibylon
