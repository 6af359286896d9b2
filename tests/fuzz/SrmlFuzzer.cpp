// SRML lines and the section reader on any bytes.
#include <cstdlib>

#include "FuzzInput.h"
#include "base/TextLines.h"
#include "srml/SectionReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sibylon;
  const Lines lines = SplitLines(fuzz::Text(data, size));
  // Lines hold no line ends, so writing them and reading them back gives the same lines.
  if (SplitLines(JoinLines(lines)) != lines) std::abort();
  for (const char* name : {"SPREAD", "CARDS", "POSITIONS", "MEANINGS", "FORTUNE", "MIRRORS"}) {
    const SectionLines section = SectionReader(lines, name);
    if (section.size() > lines.size()) std::abort();
  }
  if (!lines.empty()) SectionReader(lines, lines.front());
  return 0;
}
