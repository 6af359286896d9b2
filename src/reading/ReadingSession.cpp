#include "reading/ReadingSession.h"

#include <utility>

namespace sibylon {

ReadingSession::ReadingSession(std::string page_path) : page_path_(std::move(page_path)) {}

void ReadingSession::Shuffle(const DeckOptions& options, std::uint32_t seed) {
  shuffle_ = {};
  shuffle_ = ShuffleCards(options, seed);
}

void ReadingSession::Deal(DealInputs inputs, std::string deck_folder, const PageSettings& page) {
  inputs.fortune = shuffle_.fortune;
  inputs.mirrors = shuffle_.mirrors;
  DealCards(std::move(inputs), std::move(deck_folder), page);
}

void ReadingSession::DealCards(DealInputs inputs, std::string deck_folder,
                               const PageSettings& page) {
  Show(ComposeSavedReading(inputs), std::move(deck_folder), page);
}

void ReadingSession::Load(const std::string& path, std::string deck_folder,
                          const PageSettings& page) {
  Show(ReadLinesFile(path), std::move(deck_folder), page);
}

void ReadingSession::Show(Lines reading, std::string deck_folder, const PageSettings& page) {
  RenderInputs inputs;
  inputs.reading = &reading;
  inputs.titles = &titles_;
  inputs.deck_folder = deck_folder;
  inputs.options = page.options;
  inputs.words = page.words;
  inputs.descriptions = page.descriptions;
  WriteLinesFile(page_path_, RenderReading(inputs).page);
  held_reading_ = std::move(reading);
  deck_folder_ = std::move(deck_folder);
}

}  // namespace sibylon
