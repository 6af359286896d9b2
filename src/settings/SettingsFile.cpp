#include "settings/SettingsFile.h"

#include "base/AppError.h"
#include "base/StrToInt.h"

namespace sibylon {
namespace {

const std::string& LineAt(const Lines& lines, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= lines.size())
    throw ListIndexOutOfBounds(index);
  return lines[static_cast<std::size_t>(index)];
}

void ApplyFlag(const Lines& lines, SettingsLine line, SettingsTarget& target) {
  const std::string& text = LineAt(lines, line);
  if (text == "true") target.SetFlag(line, true);
  if (text == "false") target.SetFlag(line, false);
}

const char* Flag(bool on) { return on ? "true" : "false"; }

}  // namespace

void ApplySettings(const Lines& lines, SettingsTarget& target) {
  ApplyFlag(lines, kDefaultTitlesLine, target);
  target.SelectByName(kDescriptionSetLine, LineAt(lines, kDescriptionSetLine));
  target.SelectByName(kDeckLine, LineAt(lines, kDeckLine));
  const std::string& part = LineAt(lines, kDeckPartLine);
  if (part == "22" || part == "56" || part == "78") target.SetDeckPart(part);
  ApplyFlag(lines, kBlankCardsLine, target);
  ApplyFlag(lines, kAddDateLine, target);
  ApplyFlag(lines, kRememberNameLine, target);
  const std::string& remember = LineAt(lines, kRememberNameLine);
  const std::string& name = LineAt(lines, kNameLine);
  if (remember == "true" || remember == "false") target.SetText(kNameLine, name);
  target.SetIndex(kSpreadIndexLine, StrToInt(LineAt(lines, kSpreadIndexLine)));
  ApplyFlag(lines, kRepeatLine, target);
  target.SetText(kFileNameTemplateLine, LineAt(lines, kFileNameTemplateLine));
  ApplyFlag(lines, kReversedLine, target);
  ApplyFlag(lines, kBlankLabelOnLine, target);
  target.SetText(kBlankLabelLine, LineAt(lines, kBlankLabelLine));
  ApplyFlag(lines, kNormalLabelOnLine, target);
  target.SetText(kNormalLabelLine, LineAt(lines, kNormalLabelLine));
  ApplyFlag(lines, kReversedLabelOnLine, target);
  target.SetText(kReversedLabelLine, LineAt(lines, kReversedLabelLine));
  target.SetText(kBlankCountLine, LineAt(lines, kBlankCountLine));
  ApplyFlag(lines, kFullScreenLine, target);
  ApplyFlag(lines, kRememberPositionLine, target);
  const std::string& placement = LineAt(lines, kRememberPositionLine);
  if (placement == "true") {
    const int left = StrToInt(LineAt(lines, kLeftLine));
    const int top = StrToInt(LineAt(lines, kTopLine));
    target.PlaceWindow(true, left, top);
  } else if (placement == "false") {
    target.PlaceWindow(false, 0, 0);
  }
  ApplyFlag(lines, kShowTitlesLine, target);
  ApplyFlag(lines, kShowNumbersLine, target);
  target.SetIndex(kCodePageLine, StrToInt(LineAt(lines, kCodePageLine)));
  ApplyFlag(lines, kShowMeaningsLine, target);
  target.SetIndex(kDateFormatLine, StrToInt(LineAt(lines, kDateFormatLine)));
  ApplyFlag(lines, kAddNameLine, target);
  ApplyFlag(lines, kAddQuestionLine, target);
  ApplyFlag(lines, kShowFramesLine, target);
  ApplyFlag(lines, kShowReadingLine, target);
  target.SetIndex(kEditorsPageLine, StrToInt(LineAt(lines, kEditorsPageLine)));
  target.SetIndex(kPreferencesPageLine, StrToInt(LineAt(lines, kPreferencesPageLine)));
}

Lines SettingsLines(const SettingsValues& v) {
  return {
      Flag(v.default_titles),
      v.description_set,
      v.deck,
      v.deck_part,
      Flag(v.blank_cards),
      Flag(v.add_date),
      Flag(v.remember_name),
      v.remember_name ? v.name : std::string(),
      std::to_string(v.spread_index),
      Flag(v.repeat),
      v.file_name_template,
      Flag(v.reversed),
      Flag(v.blank_label_on),
      v.blank_label,
      Flag(v.normal_label_on),
      v.normal_label,
      Flag(v.reversed_label_on),
      v.reversed_label,
      v.blank_count,
      Flag(v.full_screen),
      Flag(v.remember_position),
      std::to_string(v.remember_position ? v.left : 0),
      std::to_string(v.remember_position ? v.top : 0),
      Flag(v.show_titles),
      Flag(v.show_numbers),
      std::to_string(v.code_page),
      Flag(v.show_meanings),
      std::to_string(v.date_format),
      Flag(v.add_name),
      Flag(v.add_question),
      Flag(v.show_frames),
      Flag(v.show_reading),
      std::to_string(v.editors_page),
      std::to_string(v.preferences_page),
  };
}

}  // namespace sibylon
