// The reading page renderer on any saved reading, with every part of the page switched on.
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "base/AppError.h"
#include "base/TextLines.h"
#include "reading/RenderReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sibylon;
  const Lines reading = SplitLines(fuzz::Text(data, size));
  static const std::vector<std::string> titles(79, "Title");
  RenderInputs inputs;
  inputs.reading = &reading;
  inputs.titles = &titles;
  inputs.deck_folder = "/opt/Sibylon/cards/Deck #1/";
  inputs.words = EnglishPageWords();
  inputs.descriptions = [](const std::string& section) { return Lines{section}; };
  PageOptions& all = inputs.options;
  all.name = all.date = all.question = all.numbers = all.titles = all.frames = all.meanings =
      all.reading = true;
  try {
    RenderReading(inputs);
  } catch (const AppError&) {
    // a broken reading fails with its message; anything else is a fault
  }
  return 0;
}
