#pragma once

#include <QObject>

namespace sibylon {

// Enter (Return or the keypad's Enter) on a focused push button presses it, as Space does, on
// every window of the program. Buttons that take Enter themselves (those of dialogs) keep doing so.
class EnterClicksButtons : public QObject {
  Q_OBJECT

 public:
  // Installs the filter on the application, once however often it is called.
  static void Install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace sibylon
