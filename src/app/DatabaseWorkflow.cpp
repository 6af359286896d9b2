// The main window's part of the readings database: storing the held reading, loading a stored one
// back and showing it, deleting, and the locked "Remove All".

#include <QPushButton>
#include <QTabWidget>

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "base/TextReplace.h"
#include "database/ReadingsDatabase.h"
#include "ui/database/DatabasePage.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/reading/ReadingPage.h"
#include "ui/settings/PreferencesPage.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

void MainWindow::ConnectDatabaseHandlers() {
  OnUserAction(reading_page_, &ReadingPage::SaveToDatabaseClicked, this, &MainWindow::Button4Click);
  OnUserAction(database_page_, &DatabasePage::LoadClicked, this, &MainWindow::Button8Click);
  OnUserAction(database_page_, &DatabasePage::DeleteClicked, this, &MainWindow::Button9Click);
  OnUserAction(database_page_, &DatabasePage::RemoveAllClicked, this, &MainWindow::Button11Click);
}

std::string MainWindow::DatabaseFolder() const { return app_.Path(kDatabaseFolder); }

void MainWindow::ReadDatabaseList() {
  PointDatabaseList();
  StripListExtensions();
}

void MainWindow::PointDatabaseList() {
  database_page_->SetEntries(DatabaseFiles(DatabaseFolder()));
}

void MainWindow::StripListExtensions() {
  std::vector<std::string> entries = database_page_->Entries();
  for (std::string& entry : entries) entry = EntryName(entry);
  database_page_->SetEntries(entries);
}

void MainWindow::Button4Click() {
  const std::string name = Trim(reading_page_->FileName());
  // Without a reading or a name there is nothing to store, and no file to name.
  if (!session_.HoldsReading() || name.empty()) return;
  if (database_page_->HasEntry(name)) {
    const auto answer =
        MessageBox::Ask(this, QStringLiteral("Spread with same name already exists in DataBase.\n"
                                             "Overwrite existing spread with new one?"));
    if (answer != QMessageBox::Yes) {
      reading_page_->FocusFileName();
      return;
    }
  }
  WriteLinesFile(ReadingFile(DatabaseFolder(), name), session_.HeldReading());
  ReadDatabaseList();
  database_page_->UpdateRemoveAllLock();
}

void MainWindow::Button8Click() {
  if (const auto entry = database_page_->SelectedEntry()) LoadReading(*entry);
}

void MainWindow::LoadReading(const std::string& entry) {
  // A load that fails anywhere keeps the reading that is held and shown (ReadingSession).
  session_.Load(ReadingFile(DatabaseFolder(), entry), SelectedDeckFolder("//"),
                GatherPageSettings());
  ShowReading(ToQString(entry));
}

void MainWindow::Button9Click() {
  const auto entry = database_page_->SelectedEntry();
  if (!entry) return;
  const int row = database_page_->CurrentRow();
  DeleteReading(DatabaseFolder(), *entry);
  ReadDatabaseList();
  database_page_->SelectRow(row);
  database_page_->UpdateLoadDeleteButtons();
  database_page_->UpdateRemoveAllLock();
}

void MainWindow::Button11Click() {
  for (const std::string& entry : database_page_->Entries()) {
    DeleteReading(DatabaseFolder(), entry);
  }
  // The list is read again even where that fails: the lock comes back all the same.
  Guarded(this, [this] { ReadDatabaseList(); });
  database_page_->LockRemoveAll();
}

// The last start-up step: the selection walks through every entry of the list, so the Database
// page opens with the last one selected.
void MainWindow::SetUpDatabaseListView() {
  database_page_->SelectRow(static_cast<int>(database_page_->Entries().size()) - 1);
}

}  // namespace sibylon
