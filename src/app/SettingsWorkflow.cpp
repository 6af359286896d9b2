// The main window's part of the settings file: applying it to the controls at start-up, gathering
// the controls into it at close, and the reset of the window placement.

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "settings/SettingsFile.h"
#include "ui/deck/NewSpreadPage.h"
#include "ui/editors/TitlesEditorPage.h"
#include "ui/reading/CardDecksPage.h"
#include "ui/settings/PreferencesPage.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

// Selects the first entry equal to `name` without regard to letter case, or nothing.
void SelectWithoutCase(QListWidget* list, const QString& name) {
  const QSignalBlocker quiet(list);
  list->clearSelection();
  list->setCurrentRow(-1);
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->text().compare(name, Qt::CaseInsensitive) == 0) {
      list->setCurrentRow(row);
      return;
    }
  }
}

void SelectRow(QListWidget* list, int row) {
  const QSignalBlocker quiet(list);
  list->clearSelection();
  list->setCurrentRow(row >= 0 && row < list->count() ? row : -1);
}

QString SelectedText(QListWidget* list) {
  const auto selected = list->selectedItems();
  if (selected.isEmpty()) throw ListIndexOutOfBounds(-1);
  return selected.first()->text();
}

}  // namespace

// Puts each line of the settings file into its control as it is read.
class WindowSettings : public SettingsTarget {
 public:
  explicit WindowSettings(MainWindow& window) : w_(window) {}

  void SetFlag(SettingsLine line, bool on) override {
    if (line == kDefaultTitlesLine) {
      QRadioButton* choice =
          on ? w_.titles_editor_->default_titles : w_.titles_editor_->custom_titles;
      if (choice->isChecked()) return;
      {
        const QSignalBlocker quiet(choice);
        choice->setChecked(true);
      }
      // A changed choice loads its set at once; a failing load stops the reading here.
      w_.Action1Execute();
      w_.Action2Execute();
      return;
    }
    if (QCheckBox* box = FlagBox(line)) box->setChecked(on);
  }

  void SelectByName(SettingsLine line, const std::string& name) override {
    SelectWithoutCase(line == kDeckLine ? w_.card_decks_->decks : w_.preferences_->description_sets,
                      ToQString(name));
  }

  void SetDeckPart(const std::string& choice) override {
    PreferencesPage& p = *w_.preferences_;
    (choice == "22" ? p.major_only : choice == "56" ? p.minor_only : p.all_cards)->setChecked(true);
  }

  void SetText(SettingsLine line, const std::string& text) override {
    PreferencesPage& p = *w_.preferences_;
    QLineEdit* edit = line == kNameLine               ? w_.new_spread_->name
                      : line == kFileNameTemplateLine ? p.file_name_template
                      : line == kBlankLabelLine       ? p.blank_label
                      : line == kNormalLabelLine      ? p.normal_label
                      : line == kReversedLabelLine    ? p.reversed_label
                                                      : p.blank_count;
    edit->setText(ToQString(text));
  }

  void SetIndex(SettingsLine line, int index) override {
    switch (line) {
      case kSpreadIndexLine:
        SelectRow(w_.new_spread_->spreads, index);
        break;
      case kCodePageLine:
      case kDateFormatLine: {
        QComboBox* box =
            line == kCodePageLine ? w_.preferences_->code_page : w_.preferences_->date_format;
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
        break;
      }
      default: {
        QTabWidget* pages =
            line == kEditorsPageLine ? w_.editor_pages_ : w_.preferences_->SubPages();
        if (index >= 0 && index < pages->count()) pages->setCurrentIndex(index);
        break;
      }
    }
  }

  void PlaceWindow(bool remembered, int left, int top) override {
    if (remembered) {
      w_.MoveOntoScreen(QPoint(left, top));
    } else {
      w_.CenterOnDesktop();
    }
  }

 private:
  QCheckBox* FlagBox(SettingsLine line) const {
    PreferencesPage& p = *w_.preferences_;
    switch (line) {
      case kBlankCardsLine:
        return p.blank_cards;
      case kAddDateLine:
        return p.add_date;
      case kRememberNameLine:
        return w_.new_spread_->remember_name;
      case kRepeatLine:
        return p.repeat_cards;
      case kReversedLine:
        return p.reversed_cards;
      case kBlankLabelOnLine:
        return p.blank_label_on;
      case kNormalLabelOnLine:
        return p.normal_label_on;
      case kReversedLabelOnLine:
        return p.reversed_label_on;
      case kFullScreenLine:
        return p.always_full_screen;
      case kRememberPositionLine:
        return p.remember_position;
      case kShowTitlesLine:
        return p.show_titles;
      case kShowNumbersLine:
        return p.show_numbers;
      case kShowMeaningsLine:
        return p.show_meanings;
      case kAddNameLine:
        return p.add_name;
      case kAddQuestionLine:
        return p.add_question;
      case kShowFramesLine:
        return p.show_frames;
      case kShowReadingLine:
        return p.show_reading;
      default:
        return nullptr;
    }
  }

  MainWindow& w_;
};

std::string MainWindow::SettingsPath() const { return app_.Path(kXFilesFolder) + "sibylon.dll"; }

void MainWindow::ReadSettings() {
  WindowSettings target(*this);
  ApplySettings(ReadLinesFile(SettingsPath()), target);
}

void MainWindow::WriteSettings() {
  const PreferencesPage& p = *preferences_;
  SettingsValues v;
  v.default_titles = titles_editor_->default_titles->isChecked();
  v.description_set = ToBytes(SelectedText(p.description_sets));
  v.deck = ToBytes(SelectedText(card_decks_->decks));
  v.deck_part = p.major_only->isChecked() ? "22" : p.minor_only->isChecked() ? "56" : "78";
  v.blank_cards = p.blank_cards->isChecked();
  v.add_date = p.add_date->isChecked();
  v.remember_name = new_spread_->remember_name->isChecked();
  v.name = ToBytes(new_spread_->name->text());
  const auto spreads = new_spread_->spreads->selectedItems();
  v.spread_index = spreads.isEmpty() ? -1 : new_spread_->spreads->row(spreads.first());
  v.repeat = p.repeat_cards->isChecked();
  v.file_name_template = ToBytes(p.file_name_template->text());
  v.reversed = p.reversed_cards->isChecked();
  v.blank_label_on = p.blank_label_on->isChecked();
  v.blank_label = ToBytes(p.blank_label->text());
  v.normal_label_on = p.normal_label_on->isChecked();
  v.normal_label = ToBytes(p.normal_label->text());
  v.reversed_label_on = p.reversed_label_on->isChecked();
  v.reversed_label = ToBytes(p.reversed_label->text());
  v.blank_count = ToBytes(p.blank_count->text());
  v.full_screen = p.always_full_screen->isChecked();
  v.remember_position = p.remember_position->isChecked();
  v.left = pos().x();
  v.top = pos().y();
  v.show_titles = p.show_titles->isChecked();
  v.show_numbers = p.show_numbers->isChecked();
  v.code_page = p.code_page->currentIndex();
  v.show_meanings = p.show_meanings->isChecked();
  v.date_format = p.date_format->currentIndex();
  v.add_name = p.add_name->isChecked();
  v.add_question = p.add_question->isChecked();
  v.show_frames = p.show_frames->isChecked();
  v.show_reading = p.show_reading->isChecked();
  v.editors_page = editor_pages_->currentIndex();
  v.preferences_page = p.SubPages()->currentIndex();
  WriteLinesFile(SettingsPath(), SettingsLines(v));
}

void MainWindow::Button1Click() {
  preferences_->remember_position->setChecked(false);
  CenterOnDesktop();
}

void MainWindow::MoveOntoScreen(QPoint top_left) {
  // A position remembered on a screen that is gone would put the window out of reach.
  const QRect title_bar(top_left, QSize(width(), 30));
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersected(title_bar).width() >= 100) {
      move(top_left);
      return;
    }
  }
  CenterOnDesktop();
}

}  // namespace sibylon
