// Reading any settings file.
#include "FuzzInput.h"
#include "base/AppError.h"
#include "base/TextLines.h"
#include "settings/SettingsFile.h"

namespace {

class NoControls : public sibylon::SettingsTarget {
 public:
  void SetFlag(sibylon::SettingsLine, bool) override {}
  void SelectByName(sibylon::SettingsLine, const std::string&) override {}
  void SetDeckPart(const std::string&) override {}
  void SetText(sibylon::SettingsLine, const std::string&) override {}
  void SetIndex(sibylon::SettingsLine, int) override {}
  void PlaceWindow(bool, int, int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sibylon;
  NoControls controls;
  try {
    ApplySettings(SplitLines(fuzz::Text(data, size)), controls);
  } catch (const AppError&) {
    // a missing line or a number that is not one fails with its message
  }
  return 0;
}
