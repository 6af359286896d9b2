#pragma once

#include <QWidget>

class QCheckBox;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace sibylon {

// The "Database" page: the stored readings, with Load, Delete and the locked "Remove All".
class DatabasePage : public QWidget {
  Q_OBJECT

 public:
  explicit DatabasePage(QWidget* parent = nullptr);

  QListWidget* readings = nullptr;    // FileListBox1
  QPushButton* load = nullptr;        // Button8
  QPushButton* remove = nullptr;      // Button9
  QPushButton* remove_all = nullptr;  // Button11
  QCheckBox* unlock = nullptr;        // CheckBoxRemoveAllUnlocked

 signals:
  void Shown();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sibylon
