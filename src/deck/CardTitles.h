#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// The 42 texts the card titles are made of, in the order of the lines of a title set file:
// t0 (blank card), t1..t22 (major cards), EditWands, EditCups, EditSwords, EditCoins (suit
// names), m1..m14 (rank words), m0 (the divider between rank word and suit name).
inline constexpr int kTitleFieldCount = 42;
inline constexpr int kFirstSuitName = 23;  // EditWands .. EditCoins
inline constexpr int kFirstRankWord = 27;  // m1 .. m14
inline constexpr int kDivider = 41;        // m0
using TitleSet = std::array<std::string, kTitleFieldCount>;

// Entry n is the title of card n; always 79 entries.
using CardTitleList = std::vector<std::string>;

// The texts before any set is loaded: "Ace".."Ten" for m1..m10, "of" for m0, the rest empty.
TitleSet InitialTitleSet();

// The field (control) name of a title set index; fails with "List index out of bounds" outside
// 0..41.
const char* TitleFieldName(int index);

// Assigns line i to field i for i = 0..41, in order. At the first missing line fails with
// "List index out of bounds (i)"; the fields before it keep their new texts. Lines after the
// 42nd are ignored.
void ApplyTitleLines(const Lines& lines, TitleSet& set);

// Reads a title set file into `set`. A file that cannot be read changes nothing ("Cannot open
// file"); a short file is applied as far as it goes (ApplyTitleLines).
void LoadTitleSet(const std::string& path, TitleSet& set);

// Writes the 42 texts, one a line, CR LF, replacing the file atomically.
void SaveTitleSet(const std::string& path, const TitleSet& set);

// The titles of cards 0..78: the texts of t0..t22, then for every suit card its rank word, a
// space, the divider and a space (only when the divider is not empty), and the suit name.
// Nothing is trimmed.
CardTitleList ComposeCardTitleList(const TitleSet& set);

// The alternatives a drop-down field offers, in the order they are appended.
struct TitleAlternatives {
  int field;
  std::vector<std::string> items;
};
const std::vector<TitleAlternatives>& TitleAlternativesTable();

}  // namespace sibylon
