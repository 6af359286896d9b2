#pragma once

#include <QListWidget>
#include <QSignalBlocker>

namespace sibylon {

// Selects the first entry equal to `text` without regard to letter case, or nothing; a selection
// that the program makes is no click, so the list sends no signal.
inline void SelectWithoutCase(QListWidget* list, const QString& text) {
  const QSignalBlocker quiet(list);
  list->clearSelection();
  list->setCurrentRow(-1);
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->text().compare(text, Qt::CaseInsensitive) == 0) {
      list->setCurrentRow(row);
      return;
    }
  }
}

}  // namespace sibylon
