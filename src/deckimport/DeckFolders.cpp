#include "deckimport/DeckFolders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/AppError.h"
#include "base/FolderListing.h"
#include "base/FolderTree.h"
#include "base/TempFileName.h"
#include "base/TextReplace.h"
#include "database/ReadingFileName.h"
#include "deckimport/CardFileNames.h"

namespace sibylon {
namespace {

std::string WithoutSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// A new empty temporary folder beside `path`, named after it.
std::string MakeTempFolderBeside(const std::string& path) {
  std::string temp = TempFileTemplate(path);
  if (::mkdtemp(temp.data()) == nullptr) throw CannotCreateFile(path, errno);
  return temp;
}

}  // namespace

std::string RemoveDeckNameSymbols(std::string_view typed) {
  std::string name;
  for (const char c : RemoveRestrictedSymbols(std::string(typed))) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f || c == '[' || c == ']') continue;
    name += c;
  }
  return name;
}

std::string CleanDeckName(std::string_view typed) {
  std::string name = Trim(RemoveDeckNameSymbols(typed));
  const std::size_t first = name.find_first_not_of(". ");
  name = first == std::string::npos ? std::string() : name.substr(first);
  if (name.size() > kMaxDeckNameLength) {
    std::size_t end = kMaxDeckNameLength;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    name.resize(end);
  }
  return Trim(name);
}

std::optional<std::string> ExistingDeck(const std::string& cards, const std::string& name) {
  try {
    const std::vector<std::string> decks = ListSubfolders(cards);
    for (const std::string& deck : decks) {
      if (deck == name) return deck;
    }
    for (const std::string& deck : decks) {
      if (LowerAscii(deck) == LowerAscii(name)) return deck;
    }
  } catch (const AppError&) {
  }
  return std::nullopt;
}

std::string MakeImportFolder(const std::string& cards, const std::string& name) {
  const std::string folder = MakeTempFolderBeside(cards + name) + "/";
  for (const char* part : {"normal", "reversed", "blank"}) {
    if (::mkdir((folder + part).c_str(), 0777) != 0) {
      const int error = errno;
      RemoveFolderTree(folder);
      throw CannotCreateFile(folder + part, error);
    }
  }
  return folder;
}

void WriteNewFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw CannotCreateFile(path, errno);
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) {
      const int error = errno;
      ::close(fd);
      ::unlink(path.c_str());
      throw CannotCreateFile(path, error);
    }
    written += static_cast<std::size_t>(put);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(path.c_str());
    throw CannotCreateFile(path, error);
  }
}

void InstallDeck(const std::string& import_folder, const std::string& cards,
                 const std::string& name, const std::optional<std::string>& replaced) {
  const std::string from = WithoutSlash(import_folder);
  const std::string target = cards + name;
  if (!replaced) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
      const int error = errno;
      struct stat existing;
      if ((error != EINVAL && error != ENOSYS) || ::stat(target.c_str(), &existing) == 0 ||
          ::rename(from.c_str(), target.c_str()) != 0) {
        throw CannotCreateFile(target, error == EINVAL || error == ENOSYS ? EEXIST : error);
      }
    }
    SyncFolder(cards);
    return;
  }

  const std::string old = cards + *replaced;
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, old.c_str(), RENAME_EXCHANGE) == 0) {
    // The import folder's name now holds the old deck. A name that changes only in letter case
    // follows; should that fail, the new deck stays under the old spelling.
    if (*replaced != name) ::rename(old.c_str(), target.c_str());
    SyncFolder(cards);
    RemoveFolderTree(from);
    return;
  }
  if (errno != EINVAL && errno != ENOSYS) throw CannotCreateFile(target, errno);
  // Without the exchange: the old deck aside, the new one in, the old one removed.
  const std::string aside = MakeTempFolderBeside(old);
  if (::rename(old.c_str(), aside.c_str()) != 0) {
    const int error = errno;
    ::rmdir(aside.c_str());
    throw CannotCreateFile(target, error);
  }
  if (::rename(from.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::rename(aside.c_str(), old.c_str());
    throw CannotCreateFile(target, error);
  }
  SyncFolder(cards);
  RemoveFolderTree(aside);
}

int RemoveDeckFolder(const std::string& cards, const std::string& name) {
  const std::string path = cards + name;
  std::string aside = TempFileTemplate(path);
  if (::mkdtemp(aside.data()) == nullptr) return errno;
  if (::rename(path.c_str(), aside.c_str()) != 0) {
    const int error = errno;
    ::rmdir(aside.c_str());
    return error;
  }
  SyncFolder(cards);
  RemoveFolderTree(aside);
  return 0;
}

}  // namespace sibylon
