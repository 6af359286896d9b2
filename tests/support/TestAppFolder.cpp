#include "support/TestAppFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace sibylon::test {

TestAppFolder::TestAppFolder(const QString& fixture) {
  dir_.setAutoRemove(true);
  QDir root(dir_.path());
  for (const char* folder : {"spreads", "descriptions", "database", "cards", "titles", "xfiles"}) {
    root.mkpath(QString::fromLatin1(folder));
  }
  if (fixture.isEmpty()) return;
  const QString source =
      QDir::isAbsolutePath(fixture) ? fixture : QStringLiteral(SIBYLON_FIXTURES) + "/" + fixture;
  QDirIterator files(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString from = files.next();
    const QString relative = QDir(source).relativeFilePath(from);
    root.mkpath(QFileInfo(relative).path());
    QFile::remove(root.filePath(relative));
    QFile::copy(from, root.filePath(relative));
  }
}

AppFolder TestAppFolder::App() const { return AppFolder(dir_.path().toStdString()); }

QString TestAppFolder::Path(const QString& relative) const {
  return QDir(dir_.path()).filePath(relative);
}

void TestAppFolder::Write(const QString& relative, const QByteArray& bytes) const {
  QDir(dir_.path()).mkpath(QFileInfo(relative).path());
  QFile file(Path(relative));
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
}

QByteArray TestAppFolder::Read(const QString& relative) const {
  QFile file(Path(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestAppFolder::Remove(const QString& relative) const {
  const QString path = Path(relative);
  if (QFileInfo(path).isDir()) {
    QDir(path).removeRecursively();
  } else {
    QFile::remove(path);
  }
}

}  // namespace sibylon::test
