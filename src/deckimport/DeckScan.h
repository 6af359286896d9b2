#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "deckimport/CardFileNames.h"
#include "deckimport/DeckInfo.h"

namespace sibylon {

// The layouts of card picture folders that an import recognises by itself.
enum class DeckLayout {
  kUnknown,
  kOwn,       // this program's: normal/1.jpg .. normal/78.jpg, reversed/, blank/0.jpg
  kOpenDeck,  // deck.toml, [h<height>/|scalable/]major_arcana/00.png,
              // minor_arcana/<suit>/<rank>.png
  kNumbered,  // one folder numbered 0-77 or 1-78 in the traditional order
  kNamed,     // one folder named by card: the_fool.jpg, ace_of_cups.png, ar00.jpg, swQU.jpg
};

struct FoundPicture {
  SourceCard card;
  std::string path;      // relative to the chosen folder
  std::string reversed;  // the deck's own reversed picture, relative; empty when it has none
};

// What a chosen folder holds, read without decoding a picture.
struct DeckScan {
  DeckLayout layout = DeckLayout::kUnknown;
  // The folder inside the chosen one that the pictures come from ("h1200", "scalable", "normal",
  // a sub-folder holding the flat pictures); empty for the chosen folder itself.
  std::string pictures_from;
  int first_number = -1;               // a numbered folder's first card: 0 or 1
  std::vector<FoundPicture> pictures;  // one per card found, in the order of the files
  std::string back;  // the card back (open deck, flat folders) or blank card (own layout)
  std::vector<std::string> unused;  // picture files that name no card, or one found already
  DeckInfo info;                    // name, author and license of deck.toml
  std::optional<TrumpOrder> order;  // the trump order deck.toml states (remap_major_arcana)
  std::string names_file;           // the name table read (names/<language>.toml), if any
  std::vector<std::pair<SourceCard, std::string>> card_names;  // the deck's own card names
  std::vector<std::string> problems;  // files that describe the deck but cannot be read
};

// The extensions of pictures an import reads (lower-case, without the dot).
bool IsPictureFile(std::string_view name);

// The files of `folder` and of its sub-folders down to four levels, as paths relative to it with
// "/" between the parts, sorted; hidden entries (".DS_Store", "._x.jpg") are passed over, and the
// listing stops at 20,000 files. A folder that cannot be read fails with "Cannot open file".
std::vector<std::string> ListDeckFiles(const std::string& folder);

// A file's text by its relative path; nothing when it cannot be read.
using ReadDeckText = std::function<std::optional<std::string>(const std::string& relative)>;

// Recognises the layout of a listing (ListDeckFiles). `languages` are the preferred languages of
// the name tables, best first.
DeckScan RecogniseDeck(const std::vector<std::string>& files, const ReadDeckText& read,
                       const std::vector<std::string>& languages);

// ListDeckFiles + RecogniseDeck on a folder of the disk.
DeckScan ScanDeckFolder(const std::string& folder, const std::vector<std::string>& languages);

}  // namespace sibylon
