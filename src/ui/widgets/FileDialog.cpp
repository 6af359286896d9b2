#include "ui/widgets/FileDialog.h"

#include <QFileDialog>
#include <optional>

namespace sibylon {
namespace {

std::optional<QString> next_file_name;

}  // namespace

QString FileDialog::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) {
  if (next_file_name) return *std::exchange(next_file_name, std::nullopt);
  return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString FileDialog::ExistingFolder(QWidget* parent, const QString& caption, const QString& start) {
  if (next_file_name) return *std::exchange(next_file_name, std::nullopt);
  return QFileDialog::getExistingDirectory(parent, caption, start);
}

void FileDialog::SetNextFileName(const QString& name) { next_file_name = name; }

}  // namespace sibylon
