#pragma once

#include <string>
#include <string_view>

namespace sibylon {

// The folder of the executable, with a trailing separator. Every data path is this folder plus a
// fixed relative path; the process's current directory is never used.
class AppFolder {
 public:
  explicit AppFolder(std::string root);

  // The folder that holds the running executable (/proc/self/exe).
  static AppFolder OfExecutable();

  const std::string& Root() const { return root_; }
  std::string Path(std::string_view relative) const { return root_ + std::string(relative); }

 private:
  std::string root_;
};

// The data folders below the AppFolder, each with its trailing separator.
inline constexpr std::string_view kSpreadsFolder = "spreads/";
inline constexpr std::string_view kDescriptionsFolder = "descriptions/";
inline constexpr std::string_view kDatabaseFolder = "database/";
inline constexpr std::string_view kCardsFolder = "cards/";
inline constexpr std::string_view kTitlesFolder = "titles/";
inline constexpr std::string_view kXFilesFolder = "xfiles/";

}  // namespace sibylon
