#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace sibylon {

// The splash window: shown while the main window is built, and again (as a new window, with its
// "CLOSE" button) as the About box.
class SplashWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // The About role: "CLOSE" shown, the loading text hidden, shown modally.
  static void ShowAboutBox(QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* picture_;
  QLabel* loading_;
  QLabel* version_;
  QPushButton* close_;
};

}  // namespace sibylon
