#include "base/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "base/AppError.h"
#include "base/TempFileName.h"

namespace sibylon {
namespace {

template <typename Keep>
std::vector<std::string> ListEntries(const std::string& folder, Keep keep) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) throw CannotOpenFile(folder, errno);
  std::vector<std::string> names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    // An unfinished save's temporary file is no document of the folder.
    if (name == "." || name == ".." || IsTempFileName(name)) continue;
    // Asked relative to the open folder (links followed): no path to build and resolve per name.
    struct stat info;
    if (fstatat(dirfd(dir), name.c_str(), &info, 0) != 0) continue;
    if (keep(name, info)) names.push_back(std::move(name));
  }
  closedir(dir);
  return names;
}

}  // namespace

std::vector<std::string> ListFiles(const std::string& folder, std::string_view suffix) {
  auto names = ListEntries(folder, [suffix](const std::string& name, const struct stat& info) {
    return S_ISREG(info.st_mode) && name.size() >= suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
  });
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> ListSubfolders(const std::string& folder) {
  return ListEntries(
      folder, [](const std::string&, const struct stat& info) { return S_ISDIR(info.st_mode); });
}

bool LessWithoutCase(std::string_view a, std::string_view b) {
  // ASCII letters only: the names are UTF-8, whose other bytes have no case of their own.
  const auto lower = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? byte + 32 : byte;
  };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char x, char y) { return lower(x) < lower(y); });
}

void SortWithoutCase(std::vector<std::string>& names) {
  std::stable_sort(names.begin(), names.end(), LessWithoutCase);
}

}  // namespace sibylon
