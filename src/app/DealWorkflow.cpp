// The main window's part of dealing: the spread list and its preview, the card titles, the
// shuffle and the deal, from the click to the composed reading.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <ctime>

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "base/FolderListing.h"
#include "base/StrToInt.h"
#include "base/TextReplace.h"
#include "deck/CardCatalogue.h"
#include "deck/ShuffleCards.h"
#include "reading/DeckList.h"
#include "reading/SpreadPreview.h"
#include "srml/DateTimeFormat.h"
#include "srml/SavedReading.h"
#include "ui/deck/NewSpreadPage.h"
#include "ui/editors/SpreadEditorPage.h"
#include "ui/editors/TitlesEditorPage.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/reading/CardDecksPage.h"
#include "ui/settings/PreferencesPage.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

void MainWindow::ConnectHandlers() {
  OnUserAction(new_spread_->shuffle, &QPushButton::clicked, this, &MainWindow::ButtonShuffleClick);
  OnUserAction(new_spread_->deal, &QPushButton::clicked, this, &MainWindow::ButtonDealClick);
  OnUserAction(new_spread_->shuffle_and_deal, &QPushButton::clicked, this,
               &MainWindow::Button2Click);
  OnUserAction(new_spread_->spreads, &QListWidget::itemSelectionChanged, this,
               &MainWindow::ListBox3Click);
  OnUserAction(new_spread_, &NewSpreadPage::Shown, this, &MainWindow::UpdateDealButtons);
  OnUserAction(findChild<QPushButton*>(QStringLiteral("Button7")), &QPushButton::clicked, this,
               &MainWindow::Button7Click);
  OnUserAction(spread_editor_, &SpreadEditorPage::SpreadsChanged, this,
               &MainWindow::RefreshSpreadList);
  OnUserAction(titles_editor_->save_custom, &QPushButton::clicked, this, &MainWindow::Button3Click);
  // Only a choice that changes loads a set: toggled() is not sent for the option already chosen.
  for (QRadioButton* choice : {titles_editor_->default_titles, titles_editor_->custom_titles}) {
    OnUserAction(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) TitleChoiceClicked();
    });
  }
}

SectionSources MainWindow::Sources() const {
  SectionSources sources;
  sources.app_folder = app_.Root();
  sources.selected_spread = new_spread_->SelectedSpread();
  if (const auto sets = preferences_->description_sets->selectedItems(); !sets.isEmpty()) {
    sources.selected_description_set = ToBytes(sets.first()->text());
  }
  sources.held_reading = &session_.HeldReading();
  return sources;
}

void MainWindow::RefreshSpreadList() {
  QListWidget* list = new_spread_->spreads;
  const QSignalBlocker quiet(list);  // refilling is not a click of the user's
  list->clear();
  std::vector<std::string> names;
  for (const std::string& file : ListFiles(app_.Path(kSpreadsFolder), ".srml")) {
    names.push_back(RemoveAll(file, ".srml"));
  }
  SortWithoutCase(names);
  for (const std::string& name : names) list->addItem(ToQString(name));
}

void MainWindow::FillDeckList() {
  QListWidget* list = card_decks_->decks;
  list->clear();
  for (const std::string& deck : DeckListFromFolders(ListSubfolders(app_.Path(kCardsFolder)))) {
    list->addItem(ToQString(deck));
  }
}

void MainWindow::UpdateDealButtons() {
  const bool selected = new_spread_->SelectedSpread().has_value();
  new_spread_->shuffle_and_deal->setEnabled(selected);
  new_spread_->shuffle->setEnabled(selected);
  if (!selected) new_spread_->deal->setEnabled(false);
}

void MainWindow::ListBox3Click() {
  ActionLSDExecute();
  UpdateDealButtons();
  AdjustDeckChoice();
}

void MainWindow::ActionLSDExecute() {
  const auto spread = new_spread_->SelectedSpread();
  if (!spread) return;
  const Lines description = SectionReader(Sources(), "CSS", "DESCRIPTION");
  const std::string path = app_.Path(kXFilesFolder) + "tmp0.srml";
  WriteLinesFile(path, SpreadPreviewPage(*spread, description,
                                         ToBytes(preferences_->code_page->currentText())));
  new_spread_->preview->Navigate(path);
}

void MainWindow::AdjustDeckChoice() {
  if (!new_spread_->SelectedSpread()) return;
  const Lines cards = SectionReader(Sources(), "CSS", "CARDS");
  if (cards.empty()) throw ListIndexOutOfBounds(0);
  const int count = StrToInt(cards[0]);
  QRadioButton* major = preferences_->major_only;
  const bool other_chosen =
      preferences_->minor_only->isChecked() || preferences_->all_cards->isChecked();
  if (count > 22) {
    if (!other_chosen) preferences_->all_cards->setChecked(true);
    major->setEnabled(false);
  } else {
    major->setEnabled(true);
    if (!other_chosen) major->setChecked(true);
  }
}

void MainWindow::ButtonShuffleClick() { Shuffle(); }

void MainWindow::RunShuffleCards() {
  session_.Shuffle(preferences_->GatherDeckOptions(),
                   static_cast<std::uint32_t>(std::time(nullptr)));
}

void MainWindow::Shuffle() {
  RunShuffleCards();
  new_spread_->deal->setEnabled(true);
  new_spread_->shuffle->setText(QStringLiteral("Shuffle [%1]").arg(session_.CountShuffle()));
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
  new_spread_->deal->setEnabled(false);
  new_spread_->shuffle->setText(QStringLiteral("Shuffle"));
  Action2Execute();
  std::string deck_folder = SelectedDeckFolder("/");

  const auto spread = new_spread_->SelectedSpread();
  if (!spread) throw ListIndexOutOfBounds(-1);
  DealInputs inputs;
  inputs.spread_name = *spread;
  inputs.person = ToBytes(new_spread_->name->text());
  inputs.date_pattern = ToBytes(preferences_->date_format->currentText());
  const std::time_t now = std::time(nullptr);
  localtime_r(&now, &inputs.local_time);
  inputs.question_lines = new_spread_->QuestionLines();
  inputs.spread_document = SourceLines(Sources(), "CSS");
  // A deal that fails anywhere up to the written page keeps the previous reading (ReadingSession).
  session_.Deal(std::move(inputs), std::move(deck_folder), GatherPageSettings());
  PreviewFileName();
  ShowReading(preferences_->file_name_preview->text());
}

void MainWindow::Action1Execute() {
  const char* file = titles_editor_->custom_titles->isChecked() ? "custom.txt" : "default.txt";
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
  description_cards_->clear();
  for (int card = 1; card < kCardCount; ++card) {
    description_cards_->addItem(ToQString(session_.Titles()[card]));
  }
}

void MainWindow::TitleChoiceClicked() {
  Action1Execute();
  Action2Execute();
}

void MainWindow::Button3Click() {
  SaveTitleSet(app_.Path(kTitlesFolder) + "custom.txt", titles_editor_->Texts());
}

}  // namespace sibylon
