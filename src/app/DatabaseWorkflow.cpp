// The main window's part of the readings database: storing the held reading, loading a stored one
// back and showing it, deleting, and the locked "Remove All".

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
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
  OnUserAction(reading_page_->save_to_database, &QPushButton::clicked, this,
               &MainWindow::Button4Click);
  OnUserAction(database_page_->load, &QPushButton::clicked, this, &MainWindow::Button8Click);
  OnUserAction(database_page_->remove, &QPushButton::clicked, this, &MainWindow::Button9Click);
  OnUserAction(database_page_->remove_all, &QPushButton::clicked, this, &MainWindow::Button11Click);
  OnUserAction(database_page_->unlock, &QCheckBox::clicked, this,
               &MainWindow::CheckBoxRemoveAllUnlockedClick);
  OnUserAction(database_page_->readings, &QListWidget::itemSelectionChanged, this,
               &MainWindow::UpdateLoadDeleteButtons);
  OnUserAction(database_page_->readings, &QListWidget::itemDoubleClicked, this,
               &MainWindow::Button8Click);
  OnUserAction(database_page_, &DatabasePage::Shown, this, [this] {
    UpdateLoadDeleteButtons();
    UpdateRemoveAllLock();
  });
}

std::string MainWindow::DatabaseFolder() const { return app_.Path(kDatabaseFolder); }

void MainWindow::ReadDatabaseList() {
  PointDatabaseList();
  StripListExtensions();
}

void MainWindow::PointDatabaseList() {
  QListWidget* list = database_page_->readings;
  list->clear();
  for (const std::string& file : DatabaseFiles(DatabaseFolder())) list->addItem(ToQString(file));
  UpdateLoadDeleteButtons();
}

void MainWindow::StripListExtensions() {
  QListWidget* list = database_page_->readings;
  for (int row = 0; row < list->count(); ++row) {
    QListWidgetItem* item = list->item(row);
    item->setText(ToQString(EntryName(ToBytes(item->text()))));
  }
}

std::optional<std::string> MainWindow::SelectedReading() const {
  const auto selected = database_page_->readings->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return ToBytes(selected.first()->text());
}

void MainWindow::UpdateLoadDeleteButtons() {
  const bool selected = SelectedReading().has_value();
  database_page_->load->setEnabled(selected);
  database_page_->remove->setEnabled(selected);
}

void MainWindow::UpdateRemoveAllLock() {
  database_page_->unlock->setEnabled(database_page_->readings->count() > 0);
}

void MainWindow::Button4Click() {
  const std::string name = Trim(ToBytes(reading_page_->file_name->text()));
  // Without a reading or a name there is nothing to store, and no file to name.
  if (!session_.HoldsReading() || name.empty()) return;
  const QString entry = ToQString(name);
  if (!database_page_->readings->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive)
           .isEmpty()) {
    const auto answer =
        MessageBox::Ask(this, QStringLiteral("Spread with same name already exists in DataBase.\n"
                                             "Overwrite existing spread with new one?"));
    if (answer != QMessageBox::Yes) {
      reading_page_->file_name->setFocus();
      return;
    }
  }
  WriteLinesFile(ReadingFile(DatabaseFolder(), name), session_.HeldReading());
  ReadDatabaseList();
  UpdateRemoveAllLock();
}

void MainWindow::Button8Click() {
  const auto entry = SelectedReading();
  if (!entry) return;
  // A load that fails anywhere keeps the reading that is held and shown (ReadingSession).
  session_.Load(ReadingFile(DatabaseFolder(), *entry), SelectedDeckFolder("//"),
                GatherPageSettings());
  ShowReading(ToQString(*entry));
}

void MainWindow::Button9Click() {
  const auto entry = SelectedReading();
  if (!entry) return;
  const int row = database_page_->readings->currentRow();
  DeleteReading(DatabaseFolder(), *entry);
  ReadDatabaseList();
  if (row >= 0 && row < database_page_->readings->count()) {
    database_page_->readings->setCurrentRow(row);
  }
  UpdateLoadDeleteButtons();
  UpdateRemoveAllLock();
}

void MainWindow::Button11Click() {
  QListWidget* list = database_page_->readings;
  for (int row = 0; row < list->count(); ++row) {
    DeleteReading(DatabaseFolder(), ToBytes(list->item(row)->text()));
  }
  Guarded(this, [this] { ReadDatabaseList(); });
  database_page_->remove_all->setEnabled(false);
  database_page_->unlock->setChecked(false);
  CheckBoxRemoveAllUnlockedClick();
}

void MainWindow::CheckBoxRemoveAllUnlockedClick() {
  database_page_->remove_all->setEnabled(database_page_->unlock->isChecked());
  UpdateRemoveAllLock();
}

// The last start-up step: the selection walks through every entry of the list, so the Database
// page opens with the last one selected.
void MainWindow::SetUpDatabaseListView() {
  QListWidget* list = database_page_->readings;
  if (list->count() > 0) list->setCurrentRow(list->count() - 1);
}

}  // namespace sibylon
