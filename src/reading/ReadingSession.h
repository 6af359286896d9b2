#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/TextLines.h"
#include "deck/CardTitles.h"
#include "deck/ShuffleCards.h"
#include "reading/RenderReading.h"
#include "srml/SavedReading.h"

namespace sibylon {

// What a reading's page is made with besides the reading: the page preferences, the page words of
// the interface language and the chosen description set, as they are at the deal or load.
struct PageSettings {
  PageOptions options;
  PageWords words;
  DescriptionLookup descriptions;  // asked only when the page shows the texts
};

// The working state of readings for the whole run: the latest shuffle and the shuffles counted
// since the last deal, the reading of the latest deal or load with its deck folder, and the card
// titles. A deal and a load compose or read the reading aside, render it and write its page; what
// is held changes only once all of that has succeeded, so a failure keeps the reading the user
// sees, and a later save stores that one.
class ReadingSession {
 public:
  // `page_path`: the file the reading page is written to.
  explicit ReadingSession(std::string page_path);

  // A new shuffle of the deck options. The lists are emptied first, so a shuffle that fails leaves
  // none.
  void Shuffle(const DeckOptions& options, std::uint32_t seed);
  // The shuffles since the last deal: the count before this one, counted on.
  int CountShuffle() { return shuffle_count_++; }
  int ShuffleCount() const { return shuffle_count_; }
  // A deal starts the count again, before anything else of it is done.
  void ResetShuffleCount() { shuffle_count_ = 1; }

  // The deal of the cards in `inputs.fortune` and `inputs.mirrors` (the latest shuffle's, or
  // cards the user laid from a deck of their own): the reading composed from `inputs`, shown with
  // the pictures of `deck_folder`. The latest shuffle and the count of shuffles are not touched.
  void Deal(DealInputs inputs, std::string deck_folder, const PageSettings& page);
  // The stored reading of the file `path`, shown with the pictures of `deck_folder`.
  void Load(const std::string& path, std::string deck_folder, const PageSettings& page);
  // The page of `reading` with the pictures of `deck_folder` and the session's titles, as a deal
  // or a load writes it; nothing is written or held.
  Lines PageOf(const Lines& reading, const std::string& deck_folder,
               const PageSettings& page) const;

  void SetTitles(CardTitleList titles) { titles_ = std::move(titles); }

  const ShuffleResult& LatestShuffle() const { return shuffle_; }
  const Lines& HeldReading() const { return held_reading_; }
  const std::string& DeckFolder() const { return deck_folder_; }
  const CardTitleList& Titles() const { return titles_; }
  const std::string& PagePath() const { return page_path_; }
  bool HoldsReading() const { return !held_reading_.empty(); }

 private:
  // Renders `reading` and writes its page, and only then holds it.
  void Show(Lines reading, std::string deck_folder, const PageSettings& page);

  std::string page_path_;
  ShuffleResult shuffle_;
  int shuffle_count_ = 1;
  Lines held_reading_;
  std::string deck_folder_;
  CardTitleList titles_;
};

}  // namespace sibylon
