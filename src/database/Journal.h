#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "database/JournalEntry.h"

namespace sibylon {

// The journal of a database folder: an entry for every file, kept up to the folder. The files
// stay the only truth; the journal holds what it read of them, and reads a file again when its
// time of change or its size differs.
class Journal {
 public:
  explicit Journal(std::string folder);

  // Brings the entries up to the folder: new and changed files are read, those gone are dropped,
  // the rest kept as read. The entries are in the Database list's order. Returns whether anything
  // changed. A folder that cannot be listed fails with "Cannot open file".
  // `progress`, when given, is told the files looked at so far and their number as it goes.
  bool Refresh(const std::function<void(std::size_t done, std::size_t total)>& progress = {});

  const std::vector<JournalEntry>& Entries() const { return entries_; }

  // What each entry offers to the search with the card titles `titles`; made again only when the
  // entries or the titles changed.
  const std::vector<std::string>& Haystacks(const std::vector<std::string>& titles);

 private:
  std::string folder_;
  std::vector<JournalEntry> entries_;
  std::vector<std::string> haystacks_, haystack_titles_;
  bool haystacks_stale_ = true;
};

}  // namespace sibylon
