#pragma once

#include <QWidget>
#include <array>

#include "deck/CardTitles.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sibylon {

// The "Card Titles Editor" page: the 42 fields of the title set, saving them as the custom set, and
// the choice between the default and the custom set.
class TitlesEditorPage : public QWidget {
  Q_OBJECT

 public:
  explicit TitlesEditorPage(QWidget* parent = nullptr);

  // The texts of the 42 fields, in the title set's index order.
  TitleSet Texts() const;
  void SetTexts(const TitleSet& texts);
  void SetText(int index, const std::string& text);

  // Appends the alternative titles to the drop-down fields.
  void FillTitleAlternatives();

  // Which set is chosen: the default or the custom one.
  bool CustomChosen() const;
  // Chooses a set as the settings file does, without the signal of a user's choice; returns
  // whether the choice changed.
  bool ChooseSet(bool default_titles);

 signals:
  void SaveCustomClicked();  // Button3
  // The user chose the other set (only a choice that changes is one).
  void SetChosen();

 private:
  QPushButton* save_custom_ = nullptr;      // Button3
  QRadioButton* default_titles_ = nullptr;  // RadioDefaultCardNames
  QRadioButton* custom_titles_ = nullptr;   // RadioCustomCardNames

  // Each field is an editable drop-down or a one-line edit; exactly one pointer of a pair is set.
  std::array<QComboBox*, kTitleFieldCount> combos_{};
  std::array<QLineEdit*, kTitleFieldCount> edits_{};
};

}  // namespace sibylon
