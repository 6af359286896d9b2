#pragma once

#include <QWidget>

#include "deck/ShuffleCards.h"

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

  QTabWidget* SubPages() const { return sub_pages_; }

  // The deck options as the shuffle reads them now.
  DeckOptions GatherDeckOptions() const;

  // Cards Options
  QRadioButton* major_only = nullptr;       // RadioButton1
  QRadioButton* minor_only = nullptr;       // RadioButton2
  QRadioButton* all_cards = nullptr;        // RadioButton3
  QCheckBox* reversed_cards = nullptr;      // CheckBoxReversedCards
  QCheckBox* blank_cards = nullptr;         // CheckBox1
  QLineEdit* blank_count = nullptr;         // EditBlankCard
  QCheckBox* repeat_cards = nullptr;        // CheckBox5
  QListWidget* description_sets = nullptr;  // LBCDE

  // Appearance
  QCheckBox* add_name = nullptr;           // CheckBox11
  QCheckBox* add_date = nullptr;           // CheckBox3
  QCheckBox* add_question = nullptr;       // CheckBox12
  QCheckBox* show_numbers = nullptr;       // CheckBox9
  QCheckBox* show_titles = nullptr;        // CheckBox8
  QCheckBox* show_frames = nullptr;        // CheckBox13
  QCheckBox* show_meanings = nullptr;      // CheckBox10
  QCheckBox* show_reading = nullptr;       // CheckBox4
  QCheckBox* blank_label_on = nullptr;     // CheckBoxLEBlank
  QLineEdit* blank_label = nullptr;        // LabeledEditBlank
  QCheckBox* normal_label_on = nullptr;    // CheckBoxLENormal
  QLineEdit* normal_label = nullptr;       // LabeledEditNormal
  QCheckBox* reversed_label_on = nullptr;  // CheckBoxLEReversed
  QLineEdit* reversed_label = nullptr;     // LabeledEditReversed

  // Save Options
  QLineEdit* file_name_template = nullptr;      // LabeledEdit3
  QComboBox* date_format = nullptr;             // CBDTF
  QLineEdit* file_name_preview = nullptr;       // LabeledEdit4
  QPushButton* restore_default_name = nullptr;  // Button12

  // Windows Settings
  QCheckBox* always_full_screen = nullptr;  // CheckBox6
  QCheckBox* remember_position = nullptr;   // CheckBox7
  QPushButton* reset_window = nullptr;      // Button1
  QComboBox* code_page = nullptr;           // CBCodePage

 private:
  QWidget* BuildCardsOptions();
  QWidget* BuildAppearance();
  QWidget* BuildSaveOptions();
  QWidget* BuildWindowsSettings();

  QTabWidget* sub_pages_ = nullptr;  // PageControl3
};

}  // namespace sibylon
