#include "base/FolderTree.h"

#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

#include <cstdio>

namespace sibylon {
namespace {

int RemoveEntry(const char* path, const struct stat*, int type, struct FTW*) {
  if (type == FTW_DP) {
    ::rmdir(path);
  } else {
    ::unlink(path);
  }
  return 0;  // go on with the rest
}

}  // namespace

void RemoveFolderTree(const std::string& path) {
  ::nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

void SyncFileSystem(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::syncfs(fd);
  ::close(fd);
}

}  // namespace sibylon
