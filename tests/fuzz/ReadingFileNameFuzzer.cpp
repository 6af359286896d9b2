// Reading file names from any template, spread name, date and person.
#include <cstdlib>

#include "FuzzInput.h"
#include "database/ReadingFileName.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sibylon;
  const auto parts = fuzz::Parts(fuzz::Text(data, size), 4);
  PreviewFileName(parts[0], parts[1], parts[2], parts[3]);
  // The cleaning keeps no restricted symbol.
  const std::string clean = RemoveRestrictedSymbols(std::string(parts[0]));
  if (clean.find_first_of(kRestrictedSymbols) != std::string::npos) std::abort();
  return 0;
}
