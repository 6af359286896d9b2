// The main window's part of the decks: importing a deck, removing one, and what a deck says about
// itself under the deck list.

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "deckimport/DeckFolders.h"
#include "deckimport/DeckInfo.h"
#include "ui/reading/CardDecksPage.h"
#include "ui/reading/DeckImportDialog.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

void MainWindow::ConnectDeckHandlers() {
  OnUserAction(card_decks_, &CardDecksPage::ImportDeckClicked, this,
               &MainWindow::ButtonImportDeckClick);
  OnUserAction(card_decks_, &CardDecksPage::RemoveDeckClicked, this,
               &MainWindow::ButtonRemoveDeckClick);
}

void MainWindow::ButtonImportDeckClick() {
  auto* dialog = new DeckImportDialog(app_.Path(kCardsFolder), session_.Titles(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  OnUserAction(dialog, &DeckImportDialog::DeckImported, this, &MainWindow::ShowImportedDeck);
  dialog->open();
}

void MainWindow::ShowImportedDeck(const QString& name) {
  FillDeckList();
  card_decks_->SelectDeck(ToBytes(name));
  Action3CardDeckExecute();
}

void MainWindow::ButtonRemoveDeckClick() {
  const auto deck = card_decks_->SelectedDeck();
  // Readings need a deck, and the settings remember one (the page disables the button then).
  if (!deck || card_decks_->DeckCount() <= 1) return;
  if (MessageBox::Ask(this, CardDecksPage::RemoveQuestion(*deck)) != QMessageBox::Yes) {
    return;
  }
  const int row = card_decks_->SelectedRow();
  const int error = RemoveDeckFolder(app_.Path(kCardsFolder), *deck);
  // The list shows what is there now, the neighbour of the removed deck selected and viewed: it
  // is the deck of the next reading and the one the settings remember.
  FillDeckList();
  if (error == 0) {
    card_decks_->SelectRow(row);
  } else {
    card_decks_->SelectDeck(*deck);
  }
  Action3CardDeckExecute();
  if (error != 0) {
    throw AppError(ToBytes(CardDecksPage::CannotRemoveText(*deck, error)));
  }
}

void MainWindow::ShowDeckInfo(const std::string& deck) {
  card_decks_->ShowDeckInfo(deck, ReadDeckInfo(app_.Path(kCardsFolder) + deck + "/"));
}

}  // namespace sibylon
