#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "deck/ShuffleCards.h"
#include "reading/RenderReading.h"
#include "settings/SettingsFile.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace sibylon {

// The "Preferences" page: four sub-pages of options. The controls hold the option values while the
// program runs; each feature reads them at the moment it needs them.
class PreferencesPage : public QWidget {
  Q_OBJECT

 public:
  explicit PreferencesPage(QWidget* parent = nullptr);

  // The deck options as the shuffle reads them now.
  DeckOptions GatherDeckOptions() const;

  // The options of the reading page as the renderer reads them now.
  PageOptions GatherPageOptions() const;
  // Save Options: the file name template and the date pattern as typed and chosen, and the
  // preview of the name they give.
  std::string FileNameTemplate() const;
  std::string DatePattern() const;
  void SetFileNamePreview(const std::string& name);
  QString FileNamePreview() const;
  // ActionDFNExecute: the first date pattern and the restored template.
  void RestoreDefaultFileName();
  // Windows Settings
  std::string CodePage() const;
  bool ShowFrames() const;
  bool AlwaysFullScreen() const;
  void ForgetPosition();  // Button1: the position is no longer remembered
  // The description sets of the list, and the selected one.
  void SetDescriptionSets(const std::vector<std::string>& names);
  std::optional<std::string> SelectedDescriptionSet() const;
  // A spread of `count` positions: more than the 22 major cards cannot be dealt from them alone.
  void AdjustDeckChoice(int count);

  // The settings lines that this page holds: applied as the file is read, gathered for writing.
  // Each Apply returns whether the line is one of this page's.
  bool ApplyFlag(SettingsLine line, bool on);
  bool ApplyText(SettingsLine line, const std::string& text);
  bool ApplyIndex(SettingsLine line, int index);
  void SelectDescriptionSet(const std::string& name);
  void SetDeckPart(const std::string& choice);
  void GatherSettings(SettingsValues& values) const;

 signals:
  // The file name template or the date pattern changed.
  void FileNameSettingsChanged();
  void RestoreDefaultNameClicked();  // Button12
  void ResetWindowClicked();         // Button1

 private:
  // A settings line of a check box or an edit field, with its control and its value.
  struct FlagLine {
    SettingsLine line;
    QCheckBox* box;
    bool SettingsValues::*value;
  };
  struct TextLine {
    SettingsLine line;
    QLineEdit* edit;
    std::string SettingsValues::*value;
  };
  std::vector<FlagLine> FlagLines() const;
  std::vector<TextLine> TextLines() const;

  // Cards Options
  QRadioButton* major_only_ = nullptr;       // RadioButton1
  QRadioButton* minor_only_ = nullptr;       // RadioButton2
  QRadioButton* all_cards_ = nullptr;        // RadioButton3
  QCheckBox* reversed_cards_ = nullptr;      // CheckBoxReversedCards
  QCheckBox* blank_cards_ = nullptr;         // CheckBox1
  QLineEdit* blank_count_ = nullptr;         // EditBlankCard
  QCheckBox* repeat_cards_ = nullptr;        // CheckBox5
  QListWidget* description_sets_ = nullptr;  // LBCDE

  // Appearance
  QCheckBox* add_name_ = nullptr;           // CheckBox11
  QCheckBox* add_date_ = nullptr;           // CheckBox3
  QCheckBox* add_question_ = nullptr;       // CheckBox12
  QCheckBox* show_numbers_ = nullptr;       // CheckBox9
  QCheckBox* show_titles_ = nullptr;        // CheckBox8
  QCheckBox* show_frames_ = nullptr;        // CheckBox13
  QCheckBox* show_meanings_ = nullptr;      // CheckBox10
  QCheckBox* show_reading_ = nullptr;       // CheckBox4
  QCheckBox* blank_label_on_ = nullptr;     // CheckBoxLEBlank
  QLineEdit* blank_label_ = nullptr;        // LabeledEditBlank
  QCheckBox* normal_label_on_ = nullptr;    // CheckBoxLENormal
  QLineEdit* normal_label_ = nullptr;       // LabeledEditNormal
  QCheckBox* reversed_label_on_ = nullptr;  // CheckBoxLEReversed
  QLineEdit* reversed_label_ = nullptr;     // LabeledEditReversed

  // Save Options
  QLineEdit* file_name_template_ = nullptr;      // LabeledEdit3
  QComboBox* date_format_ = nullptr;             // CBDTF
  QLineEdit* file_name_preview_ = nullptr;       // LabeledEdit4
  QPushButton* restore_default_name_ = nullptr;  // Button12

  // Windows Settings
  QCheckBox* always_full_screen_ = nullptr;  // CheckBox6
  QCheckBox* remember_position_ = nullptr;   // CheckBox7
  QPushButton* reset_window_ = nullptr;      // Button1
  QComboBox* code_page_ = nullptr;           // CBCodePage

  QWidget* BuildCardsOptions();
  QWidget* BuildAppearance();
  QWidget* BuildSaveOptions();
  QWidget* BuildWindowsSettings();

  QTabWidget* sub_pages_ = nullptr;  // PageControl3
};

}  // namespace sibylon
