#include "base/TempFileName.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "base/FolderTree.h"

namespace sibylon {
namespace {

constexpr std::string_view kMarker = ".sibylon-tmp-";
constexpr std::string_view kRandom = "XXXXXX";

// Room for the marker and the random part within the file system's limit on a name.
constexpr std::size_t kMaxNameLength = NAME_MAX - 1 - kMarker.size() - kRandom.size();

}  // namespace

std::string TempFileTemplate(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
  std::string name(path.substr(slash == std::string_view::npos ? 0 : slash + 1));
  std::replace(name.begin(), name.end(), '.', '_');
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  std::string result(folder);
  result += '.';
  result += name;
  result += kMarker;
  result += kRandom;
  return result;
}

bool IsTempFileName(std::string_view name) {
  const std::size_t tail = kMarker.size() + kRandom.size();
  return name.size() > tail && name.front() == '.' &&
         name.substr(name.size() - tail, kMarker.size()) == kMarker;
}

namespace {

std::chrono::system_clock::time_point ChangeTime(const struct stat& info) {
  return std::chrono::system_clock::time_point(
      std::chrono::duration_cast<std::chrono::system_clock::duration>(
          std::chrono::seconds(info.st_mtim.tv_sec) +
          std::chrono::nanoseconds(info.st_mtim.tv_nsec)));
}

// Removes the temporary files (or folders) of `folder` last changed before `started`.
template <typename Remove>
void RemoveLeftovers(const std::string& folder, std::chrono::system_clock::time_point started,
                     bool folders, Remove remove) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTempFileName(entry->d_name)) continue;
    const std::string path = prefix + entry->d_name;
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) continue;
    if (folders ? !S_ISDIR(info.st_mode) : !S_ISREG(info.st_mode)) continue;
    if (ChangeTime(info) < started) remove(path);
  }
  ::closedir(dir);
}

}  // namespace

void RemoveTempFileLeftovers(const std::string& folder,
                             std::chrono::system_clock::time_point started) {
  RemoveLeftovers(folder, started, false, [](const std::string& path) { ::unlink(path.c_str()); });
}

void RemoveTempFolderLeftovers(const std::string& folder,
                               std::chrono::system_clock::time_point started) {
  RemoveLeftovers(folder, started, true, [](const std::string& path) { RemoveFolderTree(path); });
}

}  // namespace sibylon
