#pragma once

#include <QWidget>

namespace sibylon {

// The "About Program" page: product name, version, notices, the web link, the component list and
// the button that opens the About box.
class AboutPage : public QWidget {
  Q_OBJECT

 public:
  // `guide` is the user guide's file, which the link opens.
  explicit AboutPage(const QString& guide, QWidget* parent = nullptr);

  // Start-up: fills the version texts.
  void FillVersionTexts();

 signals:
  // "About" was pressed: the window shows the About box.
  void AboutBoxRequested();
};

}  // namespace sibylon
