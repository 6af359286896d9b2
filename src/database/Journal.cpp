#include "database/Journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "database/JournalSearch.h"
#include "database/ReadingsDatabase.h"

namespace sibylon {

Journal::Journal(std::string folder) : folder_(std::move(folder)) {
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

bool Journal::Refresh(const std::function<void(std::size_t, std::size_t)>& progress) {
  std::unordered_map<std::string, JournalEntry*> known;
  for (JournalEntry& entry : entries_) known.emplace(entry.file, &entry);
  std::vector<JournalEntry> fresh;
  bool changed = false;
  const std::vector<std::string> files = DatabaseFiles(folder_);
  fresh.reserve(files.size());
  // Each file's state is asked relative to the open folder: no path to resolve again per file.
  const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (const std::string& file : files) {
    if (progress && fresh.size() % 256 == 0) progress(fresh.size(), files.size());
    struct stat info {};
    const auto found = known.find(file);
    if (found != known.end() && dir >= 0 && ::fstatat(dir, file.c_str(), &info, 0) == 0 &&
        found->second->file_size == static_cast<std::int64_t>(info.st_size) &&
        found->second->file_time_ns ==
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec) {
      fresh.push_back(std::move(*found->second));
      continue;
    }
    fresh.push_back(ReadJournalEntry(folder_, file));
    changed = true;
  }
  if (dir >= 0) ::close(dir);
  if (fresh.size() != entries_.size()) changed = true;
  entries_ = std::move(fresh);
  if (changed) haystacks_stale_ = true;
  return changed;
}

const std::vector<std::string>& Journal::Haystacks(const std::vector<std::string>& titles) {
  if (haystacks_stale_ || titles != haystack_titles_) {
    haystacks_.clear();
    haystacks_.reserve(entries_.size());
    for (const JournalEntry& entry : entries_) haystacks_.push_back(SearchHaystack(entry, titles));
    haystack_titles_ = titles;
    haystacks_stale_ = false;
  }
  return haystacks_;
}

}  // namespace sibylon
