#include "database/ReadingsDatabase.h"

#include <unistd.h>

#include "base/FolderListing.h"
#include "base/TextReplace.h"

namespace sibylon {

std::vector<std::string> DatabaseEntries(const std::string& folder) {
  std::vector<std::string> entries;
  for (const std::string& file : ListFiles(folder, "")) entries.push_back(RemoveAll(file, ".srml"));
  SortWithoutCase(entries);
  return entries;
}

std::string ReadingFile(const std::string& folder, const std::string& entry) {
  return folder + entry + ".srml";
}

void DeleteReading(const std::string& folder, const std::string& entry) {
  ::unlink(ReadingFile(folder, entry).c_str());
}

}  // namespace sibylon
