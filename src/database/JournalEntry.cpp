#include "database/JournalEntry.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "base/AppError.h"
#include "base/StrToInt.h"
#include "database/ReadingsDatabase.h"
#include "deck/CardCatalogue.h"
#include "srml/SectionReader.h"

namespace sibylon {
namespace {

bool Digits(const std::string& text, std::size_t at, std::size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

bool ValidDate(int year, int month, int day, int hour, int minute) {
  return year > 0 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 &&
         hour <= 23 && minute >= 0 && minute <= 59;
}

// Days from 1970-01-01 of a civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::string Joined(const Lines& lines, const char* separator) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += separator;
    text += line;
  }
  return text;
}

std::string FirstLine(const Lines& lines) { return lines.empty() ? std::string() : lines[0]; }

std::int64_t LocalMinute(std::time_t seconds) {
  std::tm local{};
  localtime_r(&seconds, &local);
  return CalendarMinute(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min);
}

}  // namespace

std::int64_t CalendarMinute(int year, int month, int day, int hour, int minute) {
  return (DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 24 +
          hour) *
             60 +
         minute;
}

std::string MonthOf(std::int64_t minute) {
  const std::time_t seconds = static_cast<std::time_t>(minute) * 60;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d", utc.tm_year + 1900, utc.tm_mon + 1);
  return text;
}

std::string MinuteText(std::int64_t minute) {
  const std::time_t seconds = static_cast<std::time_t>(minute) * 60;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d, %02d-%02d", utc.tm_year + 1900, utc.tm_mon + 1,
                utc.tm_mday, utc.tm_hour, utc.tm_min);
  return text;
}

std::int64_t ParseReadingDate(const std::string& text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  // "yyyy-mm-dd, hh-nn" and "yyyy-mm-dd"
  if (Digits(text, 0, 4, year) && text.size() >= 10 && text[4] == '-' && text[7] == '-' &&
      Digits(text, 5, 2, month) && Digits(text, 8, 2, day)) {
    if (text.size() == 10 ||
        (text.size() == 17 && text.compare(10, 2, ", ") == 0 && Digits(text, 12, 2, hour) &&
         text[14] == '-' && Digits(text, 15, 2, minute))) {
      if (ValidDate(year, month, day, hour, minute)) {
        return CalendarMinute(year, month, day, hour, minute);
      }
    }
    return -1;
  }
  // "dd-mm-yyyy"
  if (text.size() == 10 && text[2] == '-' && text[5] == '-' && Digits(text, 0, 2, day) &&
      Digits(text, 3, 2, month) && Digits(text, 6, 4, year) && ValidDate(year, month, day, 0, 0)) {
    return CalendarMinute(year, month, day, 0, 0);
  }
  return -1;
}

std::string WithoutMarkup(const std::string& text) {
  static const std::pair<const char*, const char*> kEntities[] = {{"&amp;", "&"}, {"&lt;", "<"},
                                                                  {"&gt;", ">"},  {"&quot;", "\""},
                                                                  {"&#39;", "'"}, {"&nbsp;", " "}};
  std::string plain;
  bool in_tag = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (in_tag) {
      if (c == '>') in_tag = false;
      continue;
    }
    if (c == '<') {
      in_tag = true;
      continue;
    }
    if (c == '&') {
      bool replaced = false;
      for (const auto& [entity, character] : kEntities) {
        if (text.compare(i, std::strlen(entity), entity) == 0) {
          plain += character;
          i += std::strlen(entity) - 1;
          replaced = true;
          break;
        }
      }
      if (replaced) continue;
    }
    plain += c;
  }
  return plain;
}

JournalEntry JournalEntryOf(const std::string& file, const Lines& lines, std::int64_t file_minute) {
  JournalEntry entry;
  entry.file = file;
  entry.entry = EntryName(file);
  entry.person = FirstLine(SectionReader(lines, "PERSON"));
  entry.spread = FirstLine(SectionReader(lines, "SPREAD"));
  entry.date_text = FirstLine(SectionReader(lines, "DATETIME"));
  const Lines question = SectionReader(lines, "QUESTION");
  entry.question = WithoutMarkup(FirstLine(question));
  entry.text =
      WithoutMarkup(Joined(question, "\n") + "\n" + Joined(SectionReader(lines, "COMMENTS"), "\n"));
  entry.minute = ParseReadingDate(entry.date_text);
  if (entry.minute < 0) {
    entry.minute = file_minute;
    entry.minute_from_file = true;
  }
  try {
    const Lines count_line = SectionReader(lines, "CARDS");
    if (count_line.empty()) throw AppError("not a saved reading: it names no cards");
    const int count = StrToInt(count_line[0]);
    const Lines fortune = SectionReader(lines, "FORTUNE");
    const Lines mirrors = SectionReader(lines, "MIRRORS");
    bool any_major = false, any_minor = false;
    for (int i = 0; i < count; ++i) {
      if (i >= static_cast<int>(fortune.size())) throw ListIndexOutOfBounds(i);
      if (i >= static_cast<int>(mirrors.size())) throw ListIndexOutOfBounds(i);
      const int card = StrToInt(fortune[static_cast<std::size_t>(i)]);
      if (card < 0 || card >= kCardCount) throw ListIndexOutOfBounds(card);
      entry.cards.push_back({card, mirrors[static_cast<std::size_t>(i)]});
      if (card >= 1 && card < kFirstSuitCard) any_major = true;
      if (card >= kFirstSuitCard) any_minor = true;
    }
    entry.deck_part = any_minor && !any_major   ? DeckPart::kMinor
                      : any_major && !any_minor ? DeckPart::kMajor
                                                : DeckPart::kAll;
  } catch (const AppError& error) {
    entry.readable = false;
    entry.problem = error.what();
    entry.cards.clear();
  }
  return entry;
}

JournalEntry ReadJournalEntry(const std::string& folder, const std::string& file) {
  const std::string path = folder + file;
  struct stat info {};
  const bool known = ::stat(path.c_str(), &info) == 0;
  const std::int64_t file_minute = known ? LocalMinute(info.st_mtim.tv_sec) : 0;
  JournalEntry entry;
  try {
    entry = JournalEntryOf(file, ReadLinesFile(path), file_minute);
  } catch (const AppError& error) {
    entry.file = file;
    entry.entry = EntryName(file);
    entry.readable = false;
    entry.problem = error.what();
    entry.minute = file_minute;
    entry.minute_from_file = true;
  }
  if (known) {
    entry.file_time_ns =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    entry.file_size = static_cast<std::int64_t>(info.st_size);
  }
  return entry;
}

}  // namespace sibylon
