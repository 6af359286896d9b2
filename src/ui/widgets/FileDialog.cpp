#include "ui/widgets/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <optional>

namespace sibylon {
namespace {

std::optional<QString> next_file_name;
QString last_suggested;

}  // namespace

QString FileDialog::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter, const QString& default_suffix) {
  last_suggested = suggested;
  if (next_file_name) return *std::exchange(next_file_name, std::nullopt);
  if (default_suffix.isEmpty()) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
  }
  QFileDialog dialog(parent, caption, suggested, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(default_suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

QString FileDialog::ExistingFolder(QWidget* parent, const QString& caption, const QString& start) {
  if (next_file_name) return *std::exchange(next_file_name, std::nullopt);
  return QFileDialog::getExistingDirectory(parent, caption, start);
}

void FileDialog::SetNextFileName(const QString& name) { next_file_name = name; }

QString FileDialog::LastSuggested() { return last_suggested; }

QString FileDialog::InDocuments(const QString& name) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(name);
}

}  // namespace sibylon
