#include "deckimport/DeckScan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <tuple>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "deck/CardCatalogue.h"
#include "deckimport/OpenDeckToml.h"

namespace sibylon {
namespace {

constexpr int kMaxDepth = 4;
constexpr std::size_t kMaxFiles = 20000;
constexpr int kLastCard = kCardCount - 1;
constexpr int kDeckSize = 78;

std::vector<std::string> Parts(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    parts.emplace_back(path.substr(start, slash - start));
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return parts;
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view StemOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string ExtensionOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? std::string()
                                                   : LowerAscii(name.substr(dot + 1));
}

// The cards found so far; the first picture of a card is taken, a later one is left unused.
class Finds {
 public:
  explicit Finds(DeckScan& scan) : scan_(scan) {}

  bool Add(SourceCard card, const std::string& path, const std::string& reversed = {}) {
    if (!card.Known() || !seen_.insert(Key(card)).second) return false;
    scan_.pictures.push_back({card, path, reversed});
    return true;
  }

  bool Has(SourceCard card) const { return seen_.count(Key(card)) > 0; }

 private:
  static std::pair<int, int> Key(SourceCard card) { return {card.card, card.trump}; }

  DeckScan& scan_;
  std::set<std::pair<int, int>> seen_;
};

void ListInto(int dir_fd, const std::string& prefix, int depth, std::vector<std::string>& files) {
  DIR* dir = ::fdopendir(dir_fd);
  if (dir == nullptr) {
    ::close(dir_fd);
    return;
  }
  while (const dirent* entry = ::readdir(dir)) {
    if (files.size() >= kMaxFiles) break;
    const std::string name = entry->d_name;
    if (name.empty() || name.front() == '.') continue;
    struct stat info;
    if (::fstatat(::dirfd(dir), name.c_str(), &info, 0) != 0) continue;
    if (S_ISREG(info.st_mode)) {
      files.push_back(prefix + name);
    } else if (S_ISDIR(info.st_mode) && depth < kMaxDepth) {
      const int child = ::openat(::dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (child >= 0) ListInto(child, prefix + name + "/", depth + 1, files);
    }
  }
  ::closedir(dir);
}

// this program's own layout: normal/<n>, reversed/<n>, blank/0.
bool RecogniseOwn(const std::vector<std::string>& pictures, DeckScan& scan) {
  std::map<int, std::string> normal, reversed;
  std::string folder;
  for (const std::string& path : pictures) {
    const std::vector<std::string> parts = Parts(path);
    if (parts.size() != 2) continue;
    const std::string kind = LowerAscii(parts[0]);
    const int number = SmallNumber(StemOf(path));
    if (kind == "normal" && number >= 1 && number <= kLastCard) {
      normal.emplace(number, path);
      if (folder.empty()) folder = parts[0];
    } else if (kind == "reversed" && number >= 1 && number <= kLastCard) {
      reversed.emplace(number, path);
    } else if (kind == "blank" && number == 0 && scan.back.empty()) {
      scan.back = path;
    }
  }
  if (normal.empty()) {
    scan.back.clear();
    return false;
  }
  scan.layout = DeckLayout::kOwn;
  scan.pictures_from = folder;
  std::set<std::string> used = {scan.back};
  for (const auto& [card, path] : normal) {
    const auto own_reversed = reversed.find(card);
    const std::string reversed_path = own_reversed == reversed.end() ? "" : own_reversed->second;
    scan.pictures.push_back({SourceCard{card, -1}, path, reversed_path});
    used.insert(path);
    used.insert(reversed_path);
  }
  for (const std::string& path : pictures) {
    if (!used.count(path)) scan.unused.push_back(path);
  }
  return true;
}

// The sort key of a folder of open deck pictures: the largest raster height first, the pictures
// beside deck.toml next, the vector pictures last.
std::tuple<int, int, std::string> PictureRootRank(const std::string& root) {
  const std::string name = LowerAscii(root);
  if (name.empty()) return {1, 0, name};
  if (name == "scalable") return {3, 0, name};
  if (name.size() > 1 && name[0] == 'h') {
    const std::string digits = name.substr(1);
    if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        digits.size() <= 6) {
      return {0, -std::stoi(digits), name};
    }
  }
  return {2, 0, name};
}

std::string FindRelative(const std::vector<std::string>& files, std::string_view lower_path) {
  for (const std::string& file : files) {
    if (LowerAscii(file) == lower_path) return file;
  }
  return {};
}

void ReadNames(const std::vector<std::string>& files, const ReadDeckText& read,
               const std::vector<std::string>& languages, DeckScan& scan) {
  std::vector<std::string> tables;
  for (const std::string& file : files) {
    const std::vector<std::string> parts = Parts(file);
    if (parts.size() == 2 && LowerAscii(parts[0]) == "names" && ExtensionOf(file) == "toml") {
      tables.push_back(file);
    }
  }
  if (tables.empty()) return;
  std::string chosen = tables.front();
  for (auto language = languages.rbegin(); language != languages.rend(); ++language) {
    const std::string found = FindRelative(tables, "names/" + LowerAscii(*language) + ".toml");
    if (!found.empty()) chosen = found;
  }
  const std::optional<std::string> text = read(chosen);
  TomlProblem problem;
  if (text) scan.card_names = ReadCardNames(*text, problem);
  if (!text) problem.message = "cannot be read";
  if (!problem.message.empty()) {
    scan.problems.push_back(chosen + ": " + problem.message);
  } else {
    scan.names_file = chosen;
  }
}

bool RecogniseOpenDeck(const std::vector<std::string>& files,
                       const std::vector<std::string>& pictures, const ReadDeckText& read,
                       const std::vector<std::string>& languages, DeckScan& scan) {
  const std::string deck_toml = FindRelative(files, "deck.toml");
  // The folders that hold major_arcana/ or minor_arcana/: the chosen one or one level down.
  std::set<std::string> roots;
  for (const std::string& path : pictures) {
    const std::vector<std::string> parts = Parts(path);
    for (std::size_t i = 0; i < parts.size() - 1 && i < 2; ++i) {
      const std::string part = LowerAscii(parts[i]);
      if (part == "major_arcana" || part == "minor_arcana") roots.insert(i == 0 ? "" : parts[0]);
    }
  }
  if (deck_toml.empty() && roots.empty()) return false;
  scan.layout = DeckLayout::kOpenDeck;

  std::vector<std::string> ordered(roots.begin(), roots.end());
  std::sort(ordered.begin(), ordered.end(), [](const std::string& a, const std::string& b) {
    return PictureRootRank(a) < PictureRootRank(b);
  });
  Finds finds(scan);
  std::set<std::string> in_layout;
  std::size_t most = 0;  // the folder that gives the most cards is named as their source
  for (const std::string& root : ordered) {
    const std::size_t before = scan.pictures.size();
    const std::size_t skip = root.empty() ? 0 : 1;
    for (const std::string& path : pictures) {
      std::vector<std::string> parts = Parts(path);
      if (skip == 1 && parts[0] != root) continue;
      parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(skip));
      const std::string group = LowerAscii(parts[0]);
      SourceCard card;
      if (group == "major_arcana" && parts.size() == 2) {
        const int trump = SmallNumber(StemOf(path));
        if (trump >= 0 && trump < 22) card.trump = trump;
      } else if (group == "minor_arcana" && parts.size() == 3) {
        card = MinorCard(SuitOfOpenDeckFolder(parts[1]), RankOfOpenDeckName(StemOf(path)));
      } else {
        continue;
      }
      if (!card.Known()) continue;
      in_layout.insert(path);
      finds.Add(card, path);
    }
    if (scan.pictures.size() - before > most) {
      most = scan.pictures.size() - before;
      scan.pictures_from = root;
    }
  }

  // The card back: card_backs/ beside deck.toml or in a picture folder; "classic" is the default.
  std::vector<std::string> backs;
  for (const std::string& path : pictures) {
    const std::vector<std::string> parts = Parts(path);
    const bool top = parts.size() == 2 && LowerAscii(parts[0]) == "card_backs";
    const bool inner =
        parts.size() == 3 && LowerAscii(parts[1]) == "card_backs" && roots.count(parts[0]) > 0;
    if (top || inner) backs.push_back(path);
  }
  std::stable_sort(backs.begin(), backs.end(), [](const std::string& a, const std::string& b) {
    const auto rank = [](const std::string& path) {
      return std::tuple(Parts(path).size(), LowerAscii(StemOf(path)) != "classic",
                        ExtensionOf(path) == "svg");
    };
    return rank(a) < rank(b);
  });
  if (!backs.empty()) scan.back = backs.front();

  for (const std::string& path : pictures) {
    if (!in_layout.count(path) && path != scan.back &&
        std::find(backs.begin(), backs.end(), path) == backs.end()) {
      scan.unused.push_back(path);
    }
  }

  if (!deck_toml.empty()) {
    const std::optional<std::string> text = read(deck_toml);
    TomlProblem problem;
    if (text) {
      const OpenDeckDescription description = ReadDeckToml(*text, problem);
      scan.info = description.info;
      scan.order = description.order;
    } else {
      problem.message = "cannot be read";
    }
    if (!problem.message.empty()) scan.problems.push_back(deck_toml + ": " + problem.message);
  }
  ReadNames(files, read, languages, scan);
  return true;
}

// One folder of pictures, named by card or numbered in the traditional order.
void RecogniseFlat(const std::vector<std::string>& pictures, DeckScan& scan) {
  std::vector<std::string> flat;
  for (const std::string& path : pictures) {
    if (Parts(path).size() == 1) flat.push_back(path);
  }
  if (flat.empty()) {
    // A deck packed into a folder of its own: the one sub-folder that holds pictures.
    std::set<std::string> folders;
    for (const std::string& path : pictures) {
      const std::vector<std::string> parts = Parts(path);
      if (parts.size() == 2) folders.insert(parts[0]);
    }
    if (folders.size() == 1) {
      scan.pictures_from = *folders.begin();
      for (const std::string& path : pictures) {
        const std::vector<std::string> parts = Parts(path);
        if (parts.size() == 2) flat.push_back(path);
      }
    }
  }

  std::set<int> named;
  std::map<std::string, std::set<int>> numbered;  // prefix -> numbers
  for (const std::string& path : flat) {
    const SourceCard card = CardOfName(StemOf(path));
    if (card.Known()) named.insert(card.card > 0 ? card.card : 100 + card.trump);
    const NumberedName number = NumberOfName(StemOf(path));
    if (number.numbered) numbered[number.prefix].insert(number.number);
  }
  std::string prefix;
  int first = 0;
  std::size_t numbered_count = 0;
  for (const auto& [group_prefix, numbers] : numbered) {
    const int group_first = numbers.count(0) ? 0 : 1;
    const std::size_t count =
        static_cast<std::size_t>(std::count_if(numbers.begin(), numbers.end(), [&](int n) {
          return n >= group_first && n < group_first + kDeckSize;
        }));
    if (count > numbered_count) {
      numbered_count = count;
      prefix = group_prefix;
      first = group_first;
    }
  }

  const std::set<std::string> in_folder_set(flat.begin(), flat.end());
  Finds finds(scan);
  const bool by_name = !named.empty() && named.size() >= numbered_count;
  if (by_name) {
    scan.layout = DeckLayout::kNamed;
  } else if (numbered_count > 0) {
    scan.layout = DeckLayout::kNumbered;
    scan.first_number = first;
  }
  for (const std::string& path : pictures) {
    const bool in_folder = in_folder_set.count(path) > 0;
    bool taken = false;
    if (in_folder && scan.layout == DeckLayout::kNamed) {
      taken = finds.Add(CardOfName(StemOf(path)), path);
    } else if (in_folder && scan.layout == DeckLayout::kNumbered) {
      const NumberedName number = NumberOfName(StemOf(path));
      if (number.numbered && number.prefix == prefix && number.number >= first &&
          number.number < first + kDeckSize) {
        taken = finds.Add(CardOfPosition(number.number - first), path);
      }
    }
    if (!taken && in_folder && scan.back.empty() && scan.layout != DeckLayout::kUnknown &&
        NamesCardBack(StemOf(path))) {
      scan.back = path;
      taken = true;
    }
    if (!taken) scan.unused.push_back(path);
  }
  if (scan.layout == DeckLayout::kUnknown) scan.pictures_from.clear();
}

}  // namespace

bool IsPictureFile(std::string_view name) {
  static const std::set<std::string, std::less<>> extensions = {"jpg", "jpeg", "jpe",
                                                                "png", "webp", "svg"};
  return extensions.count(ExtensionOf(name)) > 0;
}

std::vector<std::string> ListDeckFiles(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw CannotOpenFile(folder, errno);
  std::vector<std::string> files;
  ListInto(fd, "", 1, files);
  std::sort(files.begin(), files.end());
  return files;
}

DeckScan RecogniseDeck(const std::vector<std::string>& files, const ReadDeckText& read,
                       const std::vector<std::string>& languages) {
  DeckScan scan;
  std::vector<std::string> pictures;
  for (const std::string& file : files) {
    if (IsPictureFile(file)) pictures.push_back(file);
  }
  if (RecogniseOwn(pictures, scan)) return scan;
  if (RecogniseOpenDeck(files, pictures, read, languages, scan)) return scan;
  RecogniseFlat(pictures, scan);
  return scan;
}

DeckScan ScanDeckFolder(const std::string& folder, const std::vector<std::string>& languages) {
  const std::string root = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  return RecogniseDeck(
      ListDeckFiles(root),
      [&root](const std::string& relative) -> std::optional<std::string> {
        try {
          return ReadFileBytes(root + relative);
        } catch (const AppError&) {
          return std::nullopt;
        }
      },
      languages);
}

}  // namespace sibylon
