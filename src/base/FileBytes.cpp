#include "base/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/AppError.h"
#include "base/FolderTree.h"
#include "base/TempFileName.h"

namespace sibylon {

std::string ReadFileBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw CannotOpenFile(path, errno);
  std::string bytes;
  struct stat info;
  if (fstat(fd, &info) == 0 && info.st_size > 0)
    bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      int error = errno;
      ::close(fd);
      throw CannotOpenFile(path, error);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

namespace {

mode_t ModeForNewFile() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void SaveToFile(const std::string& path, std::string_view bytes) {
  struct stat existing;
  mode_t mode = ModeForNewFile();
  if (::stat(path.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) throw CannotCreateFile(path, EISDIR);
    if ((existing.st_mode & S_IWUSR) == 0) throw CannotCreateFile(path, EACCES);
    mode = existing.st_mode & 07777;
  }
  std::string::size_type slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  std::string temp = TempFileTemplate(path);
  int fd = ::mkstemp(temp.data());
  if (fd < 0) throw CannotCreateFile(path, errno);
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temp.c_str());
    return CannotCreateFile(path, error);
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (put < 0) {
      if (errno == EINTR) continue;
      throw fail(errno);
    }
    written += static_cast<std::size_t>(put);
  }
  if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) throw fail(errno);
  if (::close(fd) != 0) {
    int error = errno;
    ::unlink(temp.c_str());
    throw CannotCreateFile(path, error);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int error = errno;
    ::unlink(temp.c_str());
    throw CannotCreateFile(path, error);
  }
  SyncFolder(folder);
}

}  // namespace sibylon
