// The main window's part of the settings file: applying it to the controls at start-up, gathering
// the controls into it at close, and the reset of the window placement.

#include <QGuiApplication>
#include <QPushButton>
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

// The settings file's lines go to the pages that hold them, each as it is read.
void MainWindow::SetFlag(SettingsLine line, bool on) {
  if (line == kDefaultTitlesLine) {
    // A changed choice loads its set at once; a failing load stops the reading here.
    if (titles_editor_->ChooseSet(on)) {
      Action1Execute();
      Action2Execute();
    }
    return;
  }
  if (line == kRememberNameLine) {
    new_spread_->SetRememberName(on);
    return;
  }
  preferences_->ApplyFlag(line, on);
}

void MainWindow::SelectByName(SettingsLine line, const std::string& name) {
  if (line == kDeckLine) {
    card_decks_->SelectDeck(name);
  } else {
    preferences_->SelectDescriptionSet(name);
  }
}

void MainWindow::SetDeckPart(const std::string& choice) { preferences_->SetDeckPart(choice); }

void MainWindow::SetText(SettingsLine line, const std::string& text) {
  if (line == kNameLine) {
    new_spread_->SetPerson(text);
  } else {
    preferences_->ApplyText(line, text);
  }
}

void MainWindow::SetIndex(SettingsLine line, int index) {
  if (line == kSpreadIndexLine) {
    new_spread_->SelectRow(index);
  } else if (line == kEditorsPageLine) {
    if (index >= 0 && index < editor_pages_->count()) editor_pages_->setCurrentIndex(index);
  } else {
    preferences_->ApplyIndex(line, index);
  }
}

void MainWindow::PlaceWindow(bool remembered, int left, int top) {
  if (remembered) {
    MoveOntoScreen(QPoint(left, top));
  } else {
    CenterOnDesktop();
  }
}

std::string MainWindow::SettingsPath() const { return app_.Path(kXFilesFolder) + "sibylon.dll"; }

void MainWindow::ReadSettings() { ApplySettings(ReadLinesFile(SettingsPath()), *this); }

void MainWindow::WriteSettings() {
  SettingsValues v;
  v.default_titles = !titles_editor_->CustomChosen();
  preferences_->GatherSettings(v);
  const auto deck = card_decks_->SelectedDeck();
  if (!deck) throw ListIndexOutOfBounds(-1);
  v.deck = *deck;
  v.remember_name = new_spread_->RememberName();
  v.name = new_spread_->Person();
  v.spread_index = new_spread_->SelectedRow();
  v.left = pos().x();
  v.top = pos().y();
  v.editors_page = editor_pages_->currentIndex();
  WriteLinesFile(SettingsPath(), SettingsLines(v));
}

void MainWindow::Button1Click() {
  preferences_->ForgetPosition();
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
