// Replacing a card's section in any description set: document, section name, new text.
#include <cstdlib>

#include "FuzzInput.h"
#include "base/TextLines.h"
#include "srml/CardDescriptionSet.h"
#include "srml/SectionReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sibylon;
  const auto parts = fuzz::Parts(fuzz::Text(data, size), 3);
  const Lines document = SplitLines(parts[0]);
  const Lines name_lines = SplitLines(parts[1]);
  const std::string name = name_lines.empty() ? std::string() : name_lines.front();
  const Lines text = SplitLines(parts[2]);
  const Lines result = ReplaceDescriptionSectionLines(document, name, text);
  // The new text never goes missing: the set grows by it or by it and its two tags at most.
  if (result.size() > document.size() + text.size() + 2) std::abort();
  return 0;
}
