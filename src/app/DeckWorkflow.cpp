// The main window's part of the decks: importing a deck, removing one, and what a deck says about
// itself under the deck list.

#include <QDir>
#include <cstring>

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "deckimport/DeckFolders.h"
#include "deckimport/DeckInfo.h"
#include "ui/reading/CardDecksPage.h"
#include "ui/reading/DeckImportDialog.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

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
  if (!deck) return;
  // Readings need a deck, and the settings remember one.
  if (card_decks_->DeckCount() <= 1) {
    throw AppError(ToBytes(Tr("\"%1\" is the last deck: it cannot be removed.",
                              "\"%1\" - последняя колода: её нельзя удалить.")
                               .arg(ToQString(*deck))));
  }
  if (MessageBox::Ask(this, Tr("Remove the deck \"%1\" with all its pictures?",
                               "Удалить колоду \"%1\" со всеми её картинками?")
                                .arg(ToQString(*deck))) != QMessageBox::Yes) {
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
    throw AppError(
        ToBytes(Tr("Cannot remove the deck \"%1\". %2", "Не удаётся удалить колоду \"%1\". %2")
                    .arg(ToQString(*deck), QString::fromLocal8Bit(std::strerror(error)))));
  }
}

void MainWindow::ShowDeckInfo(const std::string& deck) {
  const auto info = ReadDeckInfo(app_.Path(kCardsFolder) + deck + "/");
  if (!info) {
    card_decks_->ShowDeckInfo(QString(), QString());
    return;
  }
  QStringList lines;
  if (!info->name.empty() && info->name != deck) lines << ToQString(info->name);
  if (!info->author.empty()) lines << Tr("Author: %1", "Автор: %1").arg(ToQString(info->author));
  if (!info->license.empty()) {
    lines << Tr("License: %1", "Лицензия: %1").arg(ToQString(info->license));
  }
  QString details;
  if (!info->source.empty()) {
    const QString source = ToQString(info->source);
    lines << Tr("From: %1", "Из: %1").arg(QDir(source).dirName());
    details = Tr("Imported from %1", "Импортирована из %1").arg(source);
  }
  card_decks_->ShowDeckInfo(lines.join(QLatin1Char('\n')), details);
}

}  // namespace sibylon
