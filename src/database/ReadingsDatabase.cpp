#include "database/ReadingsDatabase.h"

#include <unistd.h>

#include <algorithm>

#include "base/FolderListing.h"
#include "base/TextReplace.h"

namespace sibylon {

std::vector<std::string> DatabaseFiles(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> files;  // entry name, file name
  for (std::string& file : ListFiles(folder, "")) files.emplace_back(EntryName(file), file);
  std::stable_sort(files.begin(), files.end(),
                   [](const auto& a, const auto& b) { return LessWithoutCase(a.first, b.first); });
  std::vector<std::string> ordered;
  for (auto& file : files) ordered.push_back(std::move(file.second));
  return ordered;
}

std::string EntryName(const std::string& file) { return RemoveAll(file, ".srml"); }

std::vector<std::string> DatabaseEntries(const std::string& folder) {
  std::vector<std::string> entries;
  for (const std::string& file : DatabaseFiles(folder)) entries.push_back(EntryName(file));
  return entries;
}

std::string ReadingFile(const std::string& folder, const std::string& entry) {
  return folder + entry + ".srml";
}

void DeleteReading(const std::string& folder, const std::string& entry) {
  ::unlink(ReadingFile(folder, entry).c_str());
}

}  // namespace sibylon
