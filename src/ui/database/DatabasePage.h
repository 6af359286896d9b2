#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace sibylon {

// The "Database" page: the stored readings, with Load, Delete and the locked "Remove All". The
// page keeps its own buttons' states; what the buttons do is the window's.
class DatabasePage : public QWidget {
  Q_OBJECT

 public:
  explicit DatabasePage(QWidget* parent = nullptr);

  // The list's entries, top to bottom; setting them leaves nothing selected.
  std::vector<std::string> Entries() const;
  void SetEntries(const std::vector<std::string>& entries);
  bool HasEntry(const std::string& entry) const;  // exactly, letter case too
  std::optional<std::string> SelectedEntry() const;
  int CurrentRow() const;
  // Selects `row` where the list has it.
  void SelectRow(int row);

  // Load and Delete are enabled while an entry is selected.
  void UpdateLoadDeleteButtons();
  // The lock box can be ticked only while the list has entries.
  void UpdateRemoveAllLock();
  // "Remove All" follows the lock box.
  void CheckBoxRemoveAllUnlockedClick();
  // After "Remove All": the button is locked again.
  void LockRemoveAll();

 signals:
  void LoadClicked();       // Button8, or a double click on an entry
  void DeleteClicked();     // Button9
  void RemoveAllClicked();  // Button11

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QListWidget* readings_ = nullptr;    // FileListBox1
  QPushButton* load_ = nullptr;        // Button8
  QPushButton* remove_ = nullptr;      // Button9
  QPushButton* remove_all_ = nullptr;  // Button11
  QCheckBox* unlock_ = nullptr;        // CheckBoxRemoveAllUnlocked
};

}  // namespace sibylon
