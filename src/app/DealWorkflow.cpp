// The main window's part of dealing: the spread list and its preview, the card titles, the
// shuffle and the deal, from the click to the composed reading.

#include <QPushButton>
#include <ctime>

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "base/FolderListing.h"
#include "base/StrToInt.h"
#include "base/TextReplace.h"
#include "deck/CardCatalogue.h"
#include "deck/CardEntry.h"
#include "deck/ShuffleCards.h"
#include "reading/DeckList.h"
#include "reading/SpreadPreview.h"
#include "srml/DateTimeFormat.h"
#include "srml/SavedReading.h"
#include "srml/SpreadDefinition.h"
#include "ui/deck/EnterCardsDialog.h"
#include "ui/deck/NewSpreadPage.h"
#include "ui/editors/DescriptionsEditorPage.h"
#include "ui/editors/SpreadEditorPage.h"
#include "ui/editors/TitlesEditorPage.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/reading/CardDecksPage.h"
#include "ui/settings/PreferencesPage.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

void MainWindow::ConnectHandlers() {
  OnUserAction(new_spread_, &NewSpreadPage::ShuffleClicked, this, &MainWindow::ButtonShuffleClick);
  OnUserAction(new_spread_, &NewSpreadPage::DealClicked, this, &MainWindow::ButtonDealClick);
  OnUserAction(new_spread_, &NewSpreadPage::ShuffleAndDealClicked, this, &MainWindow::Button2Click);
  OnUserAction(new_spread_, &NewSpreadPage::SpreadClicked, this, &MainWindow::ListBox3Click);
  OnUserAction(new_spread_, &NewSpreadPage::EnterCardsClicked, this,
               &MainWindow::ButtonEnterCardsClick);
  OnUserAction(findChild<QPushButton*>(QStringLiteral("Button7")), &QPushButton::clicked, this,
               &MainWindow::Button7Click);
  OnUserAction(spread_editor_, &SpreadEditorPage::SpreadsChanged, this,
               &MainWindow::RefreshSpreadList);
  OnUserAction(titles_editor_, &TitlesEditorPage::SaveCustomClicked, this,
               &MainWindow::Button3Click);
  OnUserAction(titles_editor_, &TitlesEditorPage::SetChosen, this, &MainWindow::TitleChoiceClicked);
}

SectionSources MainWindow::Sources() const {
  SectionSources sources;
  sources.app_folder = app_.Root();
  sources.selected_spread = new_spread_->SelectedSpread();
  sources.selected_description_set = preferences_->SelectedDescriptionSet();
  sources.held_reading = &session_.HeldReading();
  return sources;
}

void MainWindow::RefreshSpreadList() {
  std::vector<std::string> names;
  for (const std::string& file : ListFiles(app_.Path(kSpreadsFolder), ".srml")) {
    names.push_back(RemoveAll(file, ".srml"));
  }
  SortWithoutCase(names);
  new_spread_->SetSpreads(names);
}

void MainWindow::FillDeckList() {
  card_decks_->SetDecks(DeckListFromFolders(ListSubfolders(app_.Path(kCardsFolder))));
}

void MainWindow::ListBox3Click() {
  ActionLSDExecute();
  new_spread_->UpdateDealButtons();
  AdjustDeckChoice();
}

void MainWindow::ActionLSDExecute() {
  const auto spread = new_spread_->SelectedSpread();
  if (!spread) return;
  const Lines description = SectionReader(Sources(), "CSS", "DESCRIPTION");
  const std::string path = app_.Path(kXFilesFolder) + "tmp0.srml";
  WriteLinesFile(path, SpreadPreviewPage(*spread, description, preferences_->CodePage()));
  new_spread_->ShowPreview(path);
}

void MainWindow::AdjustDeckChoice() {
  if (!new_spread_->SelectedSpread()) return;
  preferences_->AdjustDeckChoice(SpreadCardCount(SourceLines(Sources(), "CSS")));
}

void MainWindow::ButtonShuffleClick() { Shuffle(); }

void MainWindow::RunShuffleCards() {
  session_.Shuffle(preferences_->GatherDeckOptions(),
                   static_cast<std::uint32_t>(std::time(nullptr)));
}

void MainWindow::Shuffle() {
  RunShuffleCards();
  new_spread_->ShowShuffled(session_.CountShuffle());
}

void MainWindow::Button7Click() { RunShuffleCards(); }

void MainWindow::ButtonDealClick() { Deal(); }

// A shuffle that fails deals nothing.
void MainWindow::Button2Click() {
  Shuffle();
  Deal();
}

std::string MainWindow::SelectedDeckFolder(const char* separator) const {
  const auto deck = card_decks_->SelectedDeck();
  if (!deck) throw ListIndexOutOfBounds(-1);
  return app_.Root() + "cards" + separator + *deck + "/";
}

void MainWindow::Deal() {
  session_.ResetShuffleCount();
  new_spread_->ShowDealt();
  DealCards(session_.LatestShuffle());
}

void MainWindow::DealCards(const ShuffleResult& cards) {
  Action2Execute();
  std::string deck_folder = SelectedDeckFolder("/");

  const auto spread = new_spread_->SelectedSpread();
  if (!spread) throw ListIndexOutOfBounds(-1);
  DealInputs inputs;
  inputs.spread_name = *spread;
  inputs.person = new_spread_->Person();
  inputs.date_pattern = preferences_->DatePattern();
  const std::time_t now = std::time(nullptr);
  localtime_r(&now, &inputs.local_time);
  inputs.question_lines = new_spread_->QuestionLines();
  inputs.spread_document = SourceLines(Sources(), "CSS");
  // A deal that fails anywhere up to the written page keeps the previous reading (ReadingSession).
  inputs.fortune = cards.fortune;
  inputs.mirrors = cards.mirrors;
  session_.Deal(std::move(inputs), std::move(deck_folder), GatherPageSettings());
  PreviewFileName();
  ShowReading(preferences_->FileNamePreview());
}

void MainWindow::ButtonEnterCardsClick() {
  const auto spread = new_spread_->SelectedSpread();
  if (!spread) throw ListIndexOutOfBounds(-1);
  SpreadPositions positions = ReadSpreadPositions(SourceLines(Sources(), "CSS"));
  CardEntrySpread entry;
  entry.name = *spread;
  entry.deck = EntryDeckOf(preferences_->GatherDeckOptions());
  CheckDeckCovers(entry.deck, static_cast<int>(positions.places.size()));
  entry.meanings = std::move(positions.meanings);
  entry.places = std::move(positions.places);
  entry.titles = ComposeCardTitleList(titles_editor_->Texts());
  // The cards are dealt as a shuffle's would be, from the spread as it is when OK is pressed.
  auto* dialog = new EnterCardsDialog(
      std::move(entry), [this](const ShuffleResult& laid) { DealCards(laid); }, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void MainWindow::Action1Execute() {
  const char* file = titles_editor_->CustomChosen() ? "custom.txt" : "default.txt";
  TitleSet texts = titles_editor_->Texts();
  try {
    LoadTitleSet(app_.Path(kTitlesFolder) + file, texts);
  } catch (...) {
    titles_editor_->SetTexts(texts);  // the fields read before the missing line stay assigned
    throw;
  }
  titles_editor_->SetTexts(texts);
}

void MainWindow::Action2Execute() {
  session_.SetTitles(ComposeCardTitleList(titles_editor_->Texts()));
  descriptions_editor_->SetCardTitles(session_.Titles());
}

void MainWindow::TitleChoiceClicked() {
  Action1Execute();
  Action2Execute();
}

void MainWindow::Button3Click() {
  SaveTitleSet(app_.Path(kTitlesFolder) + "custom.txt", titles_editor_->Texts());
}

}  // namespace sibylon
