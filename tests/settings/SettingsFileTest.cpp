#include <gtest/gtest.h>

#include "base/AppError.h"
#include "settings/SettingsFile.h"

namespace sibylon {
namespace {

// Applies the lines to a plain set of values, as the main window applies them to its controls.
class ValuesTarget : public SettingsTarget {
 public:
  SettingsValues values;
  bool placed = false;

  void SetFlag(SettingsLine line, bool on) override { *Flag(line) = on; }
  void SelectByName(SettingsLine line, const std::string& name) override {
    (line == kDeckLine ? values.deck : values.description_set) = name;
  }
  void SetDeckPart(const std::string& choice) override { values.deck_part = choice; }
  void SetText(SettingsLine line, const std::string& text) override {
    switch (line) {
      case kNameLine:
        values.name = text;
        break;
      case kFileNameTemplateLine:
        values.file_name_template = text;
        break;
      case kBlankLabelLine:
        values.blank_label = text;
        break;
      case kNormalLabelLine:
        values.normal_label = text;
        break;
      case kReversedLabelLine:
        values.reversed_label = text;
        break;
      default:
        values.blank_count = text;
        break;
    }
  }
  void SetIndex(SettingsLine line, int index) override {
    switch (line) {
      case kSpreadIndexLine:
        values.spread_index = index;
        break;
      case kCodePageLine:
        values.code_page = index;
        break;
      case kDateFormatLine:
        values.date_format = index;
        break;
      case kEditorsPageLine:
        values.editors_page = index;
        break;
      default:
        values.preferences_page = index;
        break;
    }
  }
  void PlaceWindow(bool remembered, int left, int top) override {
    placed = true;
    if (remembered) values.left = left, values.top = top;
  }

 private:
  bool* Flag(SettingsLine line) {
    switch (line) {
      case kDefaultTitlesLine:
        return &values.default_titles;
      case kBlankCardsLine:
        return &values.blank_cards;
      case kAddDateLine:
        return &values.add_date;
      case kRememberNameLine:
        return &values.remember_name;
      case kRepeatLine:
        return &values.repeat;
      case kReversedLine:
        return &values.reversed;
      case kBlankLabelOnLine:
        return &values.blank_label_on;
      case kNormalLabelOnLine:
        return &values.normal_label_on;
      case kReversedLabelOnLine:
        return &values.reversed_label_on;
      case kFullScreenLine:
        return &values.full_screen;
      case kRememberPositionLine:
        return &values.remember_position;
      case kShowTitlesLine:
        return &values.show_titles;
      case kShowNumbersLine:
        return &values.show_numbers;
      case kShowMeaningsLine:
        return &values.show_meanings;
      case kAddNameLine:
        return &values.add_name;
      case kAddQuestionLine:
        return &values.add_question;
      case kShowFramesLine:
        return &values.show_frames;
      default:
        return &values.show_reading;
    }
  }
};

SettingsValues Changed() {
  SettingsValues v;
  v.default_titles = false;
  v.description_set = "English Complete";
  v.deck = "Celestine";
  v.deck_part = "56";
  v.blank_cards = v.remember_name = v.repeat = v.reversed = v.full_screen = true;
  v.remember_position = v.show_titles = v.show_numbers = v.show_meanings = true;
  v.add_name = v.add_question = v.show_frames = true;
  v.add_date = v.blank_label_on = v.normal_label_on = v.reversed_label_on = v.show_reading = false;
  v.name = " !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ \xe9";  // every printable character kind
  v.spread_index = 4;
  v.file_name_template = "#S - #D";
  v.blank_label = "void";
  v.normal_label = "Up";
  v.reversed_label = "Down";
  v.blank_count = "x7";
  v.left = -20;
  v.top = 35;
  v.code_page = 1;
  v.date_format = 2;
  v.editors_page = 0;
  v.preferences_page = 1;
  return v;
}

TEST(SettingsFileTest, WrittenValuesReadBackUnchanged) {
  const SettingsValues written = Changed();
  const Lines lines = SettingsLines(written);
  ASSERT_EQ(lines.size(), std::size_t{kSettingsLineCount});
  ValuesTarget target;
  ApplySettings(lines, target);
  EXPECT_EQ(target.values, written);
  EXPECT_EQ(SettingsLines(target.values), lines);
}

TEST(SettingsFileTest, ForgottenNameAndPositionAreWrittenEmptyAndZero) {
  SettingsValues v = Changed();
  v.remember_name = false;
  v.remember_position = false;
  const Lines lines = SettingsLines(v);
  EXPECT_EQ(lines[kNameLine], "");
  EXPECT_EQ(lines[kRememberPositionLine], "false");
  EXPECT_EQ(lines[kLeftLine], "0");
  EXPECT_EQ(lines[kTopLine], "0");
  EXPECT_EQ(SettingsLines(SettingsValues{})[kDeckPartLine], "78");
}

TEST(SettingsFileTest, BadFilesStopAtTheirLineWithTheEarlierLinesApplied) {
  struct Case {
    const char* what;
    int line;  // the line to change, or the line count when `text` is null
    const char* text;
    const char* message;  // empty: no failure
  } cases[] = {
      {"a file of 20 lines", 20, nullptr, "List index out of bounds (20)"},
      {"an empty file", 0, nullptr, "List index out of bounds (0)"},
      {"a spread index that is not a number", kSpreadIndexLine, "1.5",
       "'1.5' is not a valid integer value"},
      {"a code page that is not a number", kCodePageLine, "UTF-8",
       "'UTF-8' is not a valid integer value"},
      {"an editors page that is not a number", kEditorsPageLine, "",
       "'' is not a valid integer value"},
      {"a remembered left edge that is not a number", kLeftLine, "12px",
       "'12px' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    Lines lines = SettingsLines(Changed());
    if (c.text) {
      lines[c.line] = c.text;
    } else {
      lines.resize(c.line);
    }
    ValuesTarget target;
    try {
      ApplySettings(lines, target);
      ADD_FAILURE() << c.what << ": no failure";
    } catch (const AppError& error) {
      EXPECT_EQ(std::string(error.what()), c.message) << c.what;
    }
    // Everything before the failing line is applied, nothing after it.
    const int failing = c.line;
    EXPECT_EQ(target.values.default_titles, failing > kDefaultTitlesLine ? false : true) << c.what;
    EXPECT_EQ(target.values.blank_count, failing > kBlankCountLine ? "x7" : "1") << c.what;
    EXPECT_EQ(target.values.show_reading, failing > kShowReadingLine ? false : true) << c.what;
  }
}

TEST(SettingsFileTest, UnknownWordsChangeNothing) {
  Lines lines = SettingsLines(Changed());
  lines[kAddDateLine] = "True";  // flags are compared byte for byte
  lines[kDeckPartLine] = "77";
  lines[kRememberNameLine] = "yes";  // the name is then not taken either
  lines[kRememberPositionLine] = "no";
  lines[kLeftLine] = "not read";  // read only after "true"
  ValuesTarget target;
  ApplySettings(lines, target);
  EXPECT_TRUE(target.values.add_date);
  EXPECT_EQ(target.values.deck_part, "78");
  EXPECT_EQ(target.values.name, "");
  EXPECT_FALSE(target.values.remember_name);
  EXPECT_FALSE(target.placed);

  lines[kRememberPositionLine] = "false";
  ValuesTarget centred;
  ApplySettings(lines, centred);
  EXPECT_TRUE(centred.placed);
  EXPECT_EQ(centred.values.left, 0);
}

}  // namespace
}  // namespace sibylon
