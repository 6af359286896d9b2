#pragma once

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

namespace sibylon::test {

// The tab widget that holds `page` as one of its pages, if any.
inline QTabWidget* TabsOf(QWidget* page) {
  QWidget* stack = page->parentWidget();
  auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

// Every page a user can open in `window`: a page that holds sub-pages (Preferences, Editors)
// stands for its sub-pages; tabs that are hidden (SYS, Reading before a reading) are left out.
inline QList<QWidget*> ReachablePages(QTabWidget* tabs) {
  QList<QWidget*> pages;
  for (int index = 0; index < tabs->count(); ++index) {
    if (!tabs->isTabVisible(index)) continue;
    QWidget* page = tabs->widget(index);
    const auto inner = page->findChildren<QTabWidget*>(QString(), Qt::FindChildrenRecursively);
    if (inner.isEmpty()) {
      pages << page;
    } else {
      pages << ReachablePages(inner.first());
    }
  }
  return pages;
}

inline QList<QWidget*> ReachablePages(QWidget& window) {
  return ReachablePages(window.findChild<QTabWidget*>(QStringLiteral("PageControl1")));
}

// Brings `page` to the front, with the pages that hold it, and lets the layouts settle.
inline void ShowPage(QWidget* page) {
  for (QWidget* inner = page; inner != nullptr; inner = inner->parentWidget()) {
    if (QTabWidget* tabs = TabsOf(inner)) tabs->setCurrentWidget(inner);
  }
  QApplication::processEvents();
}

// "Preferences / Appearance", as the user finds the page.
inline QString PagePath(QWidget* page) {
  QStringList path;
  for (QWidget* inner = page; inner != nullptr; inner = inner->parentWidget()) {
    if (QTabWidget* tabs = TabsOf(inner)) path.prepend(tabs->tabText(tabs->indexOf(inner)));
  }
  return path.join(QStringLiteral(" / "));
}

}  // namespace sibylon::test
