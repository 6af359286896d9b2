#include "reading/ReadingSession.h"

#include <utility>

namespace sibylon {

ReadingSession::ReadingSession(std::string page_path) : page_path_(std::move(page_path)) {}

void ReadingSession::Shuffle(const DeckOptions& options, std::uint32_t seed) {
  shuffle_ = {};
  shuffle_ = ShuffleCards(options, seed);
}

void ReadingSession::Deal(DealInputs inputs, std::string deck_folder, const PageSettings& page) {
  Show(ComposeSavedReading(inputs), std::move(deck_folder), page);
}

void ReadingSession::Load(const std::string& path, std::string deck_folder,
                          const PageSettings& page) {
  Show(ReadLinesFile(path), std::move(deck_folder), page);
}

Lines ReadingSession::PageOf(const Lines& reading, const std::string& deck_folder,
                             const PageSettings& page) const {
  RenderInputs inputs;
  inputs.reading = &reading;
  inputs.titles = &titles_;
  inputs.deck_folder = deck_folder;
  inputs.options = page.options;
  inputs.words = page.words;
  inputs.descriptions = page.descriptions;
  return RenderReading(inputs).page;
}

void ReadingSession::Show(Lines reading, std::string deck_folder, const PageSettings& page) {
  WriteLinesFile(page_path_, PageOf(reading, deck_folder, page));
  held_reading_ = std::move(reading);
  deck_folder_ = std::move(deck_folder);
}

}  // namespace sibylon
