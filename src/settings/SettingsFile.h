#pragma once

#include <string>

#include "base/TextLines.h"
#include "database/ReadingFileName.h"

namespace sibylon {

// The settings file: 34 lines identified only by their position.
inline constexpr int kSettingsLineCount = 34;

// Line indexes by meaning.
enum SettingsLine {
  kDefaultTitlesLine = 0,
  kDescriptionSetLine = 1,
  kDeckLine = 2,
  kDeckPartLine = 3,
  kBlankCardsLine = 4,
  kAddDateLine = 5,
  kRememberNameLine = 6,
  kNameLine = 7,
  kSpreadIndexLine = 8,
  kRepeatLine = 9,
  kFileNameTemplateLine = 10,
  kReversedLine = 11,
  kBlankLabelOnLine = 12,
  kBlankLabelLine = 13,
  kNormalLabelOnLine = 14,
  kNormalLabelLine = 15,
  kReversedLabelOnLine = 16,
  kReversedLabelLine = 17,
  kBlankCountLine = 18,
  kFullScreenLine = 19,
  kRememberPositionLine = 20,
  kLeftLine = 21,
  kTopLine = 22,
  kShowTitlesLine = 23,
  kShowNumbersLine = 24,
  kCodePageLine = 25,
  kShowMeaningsLine = 26,
  kDateFormatLine = 27,
  kAddNameLine = 28,
  kAddQuestionLine = 29,
  kShowFramesLine = 30,
  kShowReadingLine = 31,
  kEditorsPageLine = 32,
  kPreferencesPageLine = 33,
};

// What reading the file does to the controls; the main window applies each call at once, so the
// lines before a failing one stay applied.
class SettingsTarget {
 public:
  virtual ~SettingsTarget() = default;
  virtual void SetFlag(SettingsLine line, bool on) = 0;                       // flag lines, line 0
  virtual void SelectByName(SettingsLine line, const std::string& name) = 0;  // lines 1, 2
  virtual void SetDeckPart(const std::string& choice) = 0;                    // "22", "56", "78"
  virtual void SetText(SettingsLine line, const std::string& text) = 0;  // 7, 10, 13, 15, 17, 18
  virtual void SetIndex(SettingsLine line, int index) = 0;               // 8, 25, 27, 32, 33
  virtual void PlaceWindow(bool remembered, int left, int top) = 0;      // 20-22
};

// Applies the lines in index order. A flag line other than "true" or "false" (byte for byte)
// changes nothing; the name is taken only when line 6 is a flag; lines 21 and 22 are read only
// when line 20 is "true". Fails with "List index out of bounds (i)" at the first missing line and
// with "'%s' is not a valid integer value" for a numeric line that is not an integer.
void ApplySettings(const Lines& lines, SettingsTarget& target);

// The values gathered from the controls at close.
struct SettingsValues {
  bool default_titles = true;
  std::string description_set;
  std::string deck;
  std::string deck_part = "78";
  bool blank_cards = false;
  bool add_date = true;
  bool remember_name = false;
  std::string name;
  int spread_index = -1;
  bool repeat = false;
  std::string file_name_template = kDefaultFileNameTemplate;
  bool reversed = false;
  bool blank_label_on = true;
  std::string blank_label = "blank";
  bool normal_label_on = true;
  std::string normal_label = "Normal";
  bool reversed_label_on = true;
  std::string reversed_label = "Reversed";
  std::string blank_count = "1";
  bool full_screen = false;
  bool remember_position = false;
  int left = 0;
  int top = 0;
  bool show_titles = false;
  bool show_numbers = false;
  int code_page = 0;
  bool show_meanings = false;
  int date_format = 0;
  bool add_name = false;
  bool add_question = false;
  bool show_frames = false;
  bool show_reading = true;
  int editors_page = 2;
  int preferences_page = 3;

  bool operator==(const SettingsValues&) const = default;
};

// The 34 lines: the name only when it is remembered, the position only when it is remembered.
Lines SettingsLines(const SettingsValues& values);

}  // namespace sibylon
