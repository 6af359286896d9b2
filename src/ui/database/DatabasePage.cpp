#include "ui/database/DatabasePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

DatabasePage::DatabasePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet4"));
  QWidget* panel = NamedPage("PTabSheet4");
  panel->setParent(this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->addWidget(panel);

  auto* grid = new QGridLayout(panel);
  readings_ = NamedList("FileListBox1", panel);
  readings_->setSelectionMode(QAbstractItemView::SingleSelection);
  NameAfter(readings_, {this});
  grid->addWidget(readings_, 0, 0, 6, 1);
  load_ = NamedButton("Button8", QStringLiteral("Load"), panel);
  remove_ = NamedButton("Button9", QStringLiteral("Delete"), panel);
  unlock_ =
      NamedCheckBox("CheckBoxRemoveAllUnlocked", QStringLiteral("Unlock Button"), false, panel);
  remove_all_ = NamedButton("Button11", QStringLiteral("Remove All"), panel);
  for (QPushButton* button : {load_, remove_, remove_all_}) {
    button->setEnabled(false);
    button->setFixedWidth(120);
  }
  grid->addWidget(load_, 0, 1);
  grid->addWidget(remove_, 1, 1);
  grid->addWidget(unlock_, 3, 1);
  grid->addWidget(remove_all_, 4, 1);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(0, 1);

  connect(load_, &QPushButton::clicked, this, &DatabasePage::LoadClicked);
  connect(readings_, &QListWidget::itemDoubleClicked, this, &DatabasePage::LoadClicked);
  connect(remove_, &QPushButton::clicked, this, &DatabasePage::DeleteClicked);
  connect(remove_all_, &QPushButton::clicked, this, &DatabasePage::RemoveAllClicked);
  connect(unlock_, &QCheckBox::clicked, this, &DatabasePage::CheckBoxRemoveAllUnlockedClick);
  connect(readings_, &QListWidget::itemSelectionChanged, this,
          &DatabasePage::UpdateLoadDeleteButtons);
}

std::vector<std::string> DatabasePage::Entries() const {
  std::vector<std::string> entries;
  for (int row = 0; row < readings_->count(); ++row) {
    entries.push_back(ToBytes(readings_->item(row)->text()));
  }
  return entries;
}

void DatabasePage::SetEntries(const std::vector<std::string>& entries) {
  readings_->clear();
  for (const std::string& entry : entries) readings_->addItem(ToQString(entry));
  UpdateLoadDeleteButtons();
}

bool DatabasePage::HasEntry(const std::string& entry) const {
  return !readings_->findItems(ToQString(entry), Qt::MatchExactly | Qt::MatchCaseSensitive)
              .isEmpty();
}

std::optional<std::string> DatabasePage::SelectedEntry() const {
  const auto selected = readings_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return ToBytes(selected.first()->text());
}

int DatabasePage::CurrentRow() const { return readings_->currentRow(); }

void DatabasePage::SelectRow(int row) {
  if (row >= 0 && row < readings_->count()) readings_->setCurrentRow(row);
}

void DatabasePage::UpdateLoadDeleteButtons() {
  const bool selected = SelectedEntry().has_value();
  load_->setEnabled(selected);
  remove_->setEnabled(selected);
}

void DatabasePage::UpdateRemoveAllLock() { unlock_->setEnabled(readings_->count() > 0); }

void DatabasePage::CheckBoxRemoveAllUnlockedClick() {
  remove_all_->setEnabled(unlock_->isChecked());
  UpdateRemoveAllLock();
}

void DatabasePage::LockRemoveAll() {
  remove_all_->setEnabled(false);
  unlock_->setChecked(false);
  CheckBoxRemoveAllUnlockedClick();
}

void DatabasePage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  UpdateLoadDeleteButtons();
  UpdateRemoveAllLock();
}

}  // namespace sibylon
