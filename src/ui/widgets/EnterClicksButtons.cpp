#include "ui/widgets/EnterClicksButtons.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace sibylon {

void EnterClicksButtons::Install() {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application ||
      application->findChild<EnterClicksButtons*>(QString(), Qt::FindDirectChildrenOnly)) {
    return;
  }
  application->installEventFilter(new EnterClicksButtons(application));
}

bool EnterClicksButtons::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* button = qobject_cast<QPushButton*>(watched);
  if (!button || button->autoDefault() || button->isDefault() || !button->hasFocus()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  if (button->isEnabled()) button->click();
  return true;
}

}  // namespace sibylon
