#pragma once

#include <QString>

class QWidget;

namespace sibylon {

// The program's one way to ask for a file name. Tests set the next answer beforehand, and no
// dialog is shown then.
class FileDialog {
 public:
  // The file name the user chose to save to, or an empty text when the user cancelled.
  static QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                              const QString& filter);

  // The folder the user chose, or an empty text when the user cancelled.
  static QString ExistingFolder(QWidget* parent, const QString& caption, const QString& start);

  // The next call, for a file or a folder, answers `name` (empty: as if cancelled) without
  // showing a dialog.
  static void SetNextFileName(const QString& name);
};

}  // namespace sibylon
