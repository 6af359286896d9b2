#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sibylon {

// The folders of decks in `cards`: the name of a new one, the import's temporary folder, putting
// a finished import in place and removing a deck. A deck appears or disappears whole: it is
// written into a temporary folder that no listing shows (named as a save's temporary file) and
// renamed in at the end; a removed deck is renamed out of the list before its files go.

inline constexpr std::size_t kMaxDeckNameLength = 100;  // bytes

// A typed deck name without the symbols a deck's folder name never holds: the restricted symbols
// of file names, the square brackets that the deck list takes away, and control characters. The
// name field takes them out as they are typed.
std::string RemoveDeckNameSymbols(std::string_view typed);

// The folder name for a typed deck name: the restricted symbols of file names removed, and the
// square brackets that the deck list takes away, control characters, the blanks at both ends and
// leading dots (a hidden folder); at most kMaxDeckNameLength bytes, never cut inside a UTF-8
// character. Empty when nothing is left.
std::string CleanDeckName(std::string_view typed);

// The deck of `cards` (with its trailing separator) whose folder name is `name` without regard to
// (ASCII) letter case, as the deck list selects it; nothing when there is none or `cards` cannot be
// read.
std::optional<std::string> ExistingDeck(const std::string& cards, const std::string& name);

// A new temporary folder in `cards` for the import of `name`, with its normal/, reversed/ and
// blank/ folders; the path with its trailing separator. Fails with "Cannot create file".
std::string MakeImportFolder(const std::string& cards, const std::string& name);

// Writes a new file of an import folder, which is synced as a whole before it is put in place.
// Fails with "Cannot create file"; a file cut short is removed.
void WriteNewFile(const std::string& path, std::string_view bytes);

// Puts the finished import folder in place as the deck `name`; its files must be on the disk
// already (SyncFileSystem, which can take a while on a busy disk, so the caller runs it off the
// window's thread), so that the name never reaches the disk before them. When `replaced` names an
// existing deck folder, the two are exchanged in one step (renameat2 RENAME_EXCHANGE; where the
// file system cannot, the old deck is renamed aside first and back if the new one cannot follow)
// and the old deck is removed afterwards: at every moment one whole deck has the name. Fails with
// "Cannot create file"; the import folder is then left to the caller.
void InstallDeck(const std::string& import_folder, const std::string& cards,
                 const std::string& name, const std::optional<std::string>& replaced);

// Removes the deck folder `name` from `cards`; 0, or the errno value of the rename that failed
// (the deck then stays whole).
int RemoveDeckFolder(const std::string& cards, const std::string& name);

}  // namespace sibylon
