#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sibylon {

// Decks number their trumps in the traditional order: the Fool 0 up to the World 21, with
// Strength VIII and Justice XI in most decks of today and the other way round in older ones. This
// program's card 8 is always Justice and card 11 always Force (Strength).
enum class TrumpOrder { kStrengthEight, kJusticeEight };

// A card as a deck's file names it, before the trump order places it: either the name fixes the
// program's card number (the_fool.jpg, justice.png, ace_of_cups.jpg), or it gives a traditional
// trump number (ar08.jpg, major_arcana/08.png, the ninth file of a numbered folder).
struct SourceCard {
  int card = -1;   // the program's card number 1..78 when the name fixes it
  int trump = -1;  // else the traditional trump number 0..21

  bool Known() const { return card > 0 || trump >= 0; }
  bool operator==(const SourceCard&) const = default;
};

// The program's card of a traditional trump number 0..21 (-1 outside).
int CardOfTrump(int trump, TrumpOrder order);

// The program's card number of a source card (-1 when unknown).
int PlaceCard(SourceCard source, TrumpOrder order);

// The source card of a suit (0 wands, 1 cups, 2 swords, 3 pentacles) and a rank 1..14 (Ace ..
// King).
SourceCard MinorCard(int suit, int rank);

// The source card of a 0-based position in the traditional order of 78: the 22 trumps, then
// wands, cups, swords and pentacles, each from the Ace to the King.
SourceCard CardOfPosition(int position);

// A file name's words: lower-case ASCII, split at every other character, between letters and
// digits and before an upper-case letter that follows a lower-case one ("AceOfCups" -> ace of
// cups, "swQU" -> sw qu, "card_07" -> card 07).
std::vector<std::string> NameWords(std::string_view stem);

// The card a file name (without extension) names, case-insensitively, or an unknown card:
// trump names with or without "the" (the_fool, Wheel-of-Fortune, hanged_man, strength, justice),
// "<rank> of <suit>" in any order of the words (ace_of_cups, queen-of-swords, cups_02, Wands10),
// and the scan names: ar00 .. ar21, and wa/cu/sw/pe with 01 .. 14 or PA, KN, QU, KI. Leading
// words that name nothing are passed over ("RWS_Tarot_08_Strength" names Strength). Numbers
// beside a trump's name are not read: the name decides.
SourceCard CardOfName(std::string_view stem);

// Whether a file name (without extension) names a card back ("back", "card-back", "CardBack").
bool NamesCardBack(std::string_view stem);

// A file name (without extension) with exactly one run of up to three digits: the text before it
// (lower-case) and its value. Used to read folders numbered 0-77 or 1-78 ("00", "card_07",
// "Card 7", "78").
struct NumberedName {
  bool numbered = false;
  std::string prefix;
  int number = -1;
};
NumberedName NumberOfName(std::string_view stem);

// The rank (1..14) of an open deck's file name in minor_arcana/<suit>/: "ace", "two" .. "ten",
// "page", "knight", "queen", "king", or "01" .. "14"; -1 otherwise.
int RankOfOpenDeckName(std::string_view stem);

// The suit (0..3) of an open deck's suit folder: wands, cups, swords, pentacles; -1 otherwise.
int SuitOfOpenDeckFolder(std::string_view name);

// The open deck's names of the four suits and the fourteen ranks, as its files and name tables
// spell them.
const char* OpenDeckSuitName(int suit);
const char* OpenDeckRankName(int rank);

// The value of a text of one to three decimal digits, else -1.
int SmallNumber(std::string_view text);

// Lower-case ASCII.
std::string LowerAscii(std::string_view text);

}  // namespace sibylon
