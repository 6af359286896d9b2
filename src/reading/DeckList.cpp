#include "reading/DeckList.h"

#include "base/FolderListing.h"
#include "base/TextReplace.h"

namespace sibylon {

std::vector<std::string> DeckListFromFolders(const std::vector<std::string>& subfolders) {
  std::vector<std::string> raw = {"[.]", "[..]"};
  for (const std::string& name : subfolders) raw.push_back("[" + name + "]");
  SortWithoutCase(raw);
  std::vector<std::string> decks;
  for (std::size_t i = 2; i < raw.size(); ++i)
    decks.push_back(RemoveAll(RemoveAll(raw[i], "["), "]"));
  return decks;
}

}  // namespace sibylon
