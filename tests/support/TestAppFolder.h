#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>

#include "base/AppFolder.h"

namespace sibylon::test {

// A throw-away AppFolder in a temporary directory, laid out from a fixture folder of
// tests/fixtures, or from a folder given by its absolute path such as the shipped data (or with
// empty data folders when no fixture is named).
class TestAppFolder {
 public:
  explicit TestAppFolder(const QString& fixture = QString());

  AppFolder App() const;
  QString Path(const QString& relative) const;
  void Write(const QString& relative, const QByteArray& bytes) const;
  QByteArray Read(const QString& relative) const;
  void Remove(const QString& relative) const;

 private:
  QTemporaryDir dir_;
};

}  // namespace sibylon::test
