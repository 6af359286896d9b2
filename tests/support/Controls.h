#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QtTest>

namespace sibylon::test {

// A control by its name; a missing one ends the test program.
template <typename T>
T* Find(QWidget& window, const char* name) {
  T* widget = window.findChild<T*>(QString::fromLatin1(name));
  if (!widget) qFatal("no control %s", name);
  return widget;
}

inline void Click(QWidget& window, const char* button) {
  QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
}

inline QStringList Items(QListWidget* list) {
  QStringList items;
  for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
  return items;
}

}  // namespace sibylon::test
