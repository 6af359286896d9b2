#pragma once

#include <QString>

class QWidget;

namespace sibylon {

// The program's one way to ask for a file name. Tests set the next answer beforehand, and no
// dialog is shown then.
class FileDialog {
 public:
  // The file name the user chose to save to, or an empty text when the user cancelled. With a
  // `default_suffix` ("pdf"), a name typed without an extension gets it.
  static QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                              const QString& filter, const QString& default_suffix = QString());

  // The folder the user chose, or an empty text when the user cancelled.
  static QString ExistingFolder(QWidget* parent, const QString& caption, const QString& start);

  // The next call, for a file or a folder, answers `name` (empty: as if cancelled) without
  // showing a dialog.
  static void SetNextFileName(const QString& name);
  // The name the last call suggested, for tests.
  static QString LastSuggested();

  // A file named `name` in the user's documents folder (the home folder where there is none).
  static QString InDocuments(const QString& name);
};

}  // namespace sibylon
