#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// A card as it fell in a stored reading: its number (0 the blank card) and orientation word.
struct FallenCard {
  int card = 0;
  std::string orientation;  // "normal", "reversed" or "blank"
};

// The cards a reading could have been dealt from, as far as its cards tell: the major cards only,
// the minor cards only, or the whole deck (the smallest part that holds every card that fell).
enum class DeckPart { kMajor, kMinor, kAll };

// One stored reading as the journal shows it. A file that is no saved reading is an entry too,
// marked unreadable with the reason.
struct JournalEntry {
  std::string file;   // the file's name in the database folder
  std::string entry;  // its name in the Database list (every ".srml" removed)
  bool readable = true;
  std::string problem;  // why the file is no reading, when it is not

  std::string person, spread, date_text;
  std::string question;  // the first line of the question, markup removed
  std::string text;      // the whole question and the spread's comments, markup removed
  std::vector<FallenCard> cards;
  DeckPart deck_part = DeckPart::kAll;

  // When the reading was made, as minutes in the calendar (sortable), from DATETIME in any of the
  // date patterns; from the file's time of change where DATETIME cannot be read.
  std::int64_t minute = 0;
  bool minute_from_file = false;
  // The file as it was read: a changed file is read again.
  std::int64_t file_time_ns = 0;
  std::int64_t file_size = -1;
};

// A stamp of minutes for a calendar date and time (year, month 1-12, day 1-31, hour, minute);
// increasing with the date.
std::int64_t CalendarMinute(int year, int month, int day, int hour, int minute);
// The year and month of a stamp, as "yyyy-mm"; the whole stamp as "yyyy-mm-dd, hh-nn".
std::string MonthOf(std::int64_t minute);
std::string MinuteText(std::int64_t minute);

// The minute stamp of a DATETIME text written by any of the date patterns, or -1.
std::int64_t ParseReadingDate(const std::string& text);

// `text` without its markup: tags removed, the common entities (&amp; &lt; &gt; &quot; &#39;
// &nbsp;) read as their characters.
std::string WithoutMarkup(const std::string& text);

// The journal entry of a stored reading's lines. `file_minute` stands in for an unreadable date.
JournalEntry JournalEntryOf(const std::string& file, const Lines& lines, std::int64_t file_minute);

// Reads the file `file` of `folder` into its entry; a file that cannot be read is an unreadable
// entry with the reason.
JournalEntry ReadJournalEntry(const std::string& folder, const std::string& file);

}  // namespace sibylon
