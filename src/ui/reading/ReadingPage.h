#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sibylon {

class HtmlView;

// The "Reading" page: the command bar over the view of the reading. In the full-screen layout the
// panel that holds both (Panel2) is lent to the main window; TakeBackPanel returns it here.
class ReadingPage : public QWidget {
  Q_OBJECT

 public:
  explicit ReadingPage(QWidget* parent = nullptr);

  QWidget* Panel() const { return panel_; }  // Panel2
  void TakeBackPanel();

  QLineEdit* file_name = nullptr;            // Edit2
  QPushButton* save_html = nullptr;          // Button6, never shown
  QPushButton* save_to_database = nullptr;   // Button4
  QPushButton* return_new_spread = nullptr;  // ButtonReturnNS
  QPushButton* print = nullptr;              // Button5
  QPushButton* full_screen = nullptr;        // ButtonFSV
  QPushButton* restore_window = nullptr;     // ButtonNSV
  HtmlView* view = nullptr;                  // CppWebBrowser1

  // Places "Restore Window" at the bar's right edge and "New Spread" directly to its left.
  void PlaceFullScreenButtons();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* panel_ = nullptr;  // Panel2
  QWidget* bar_ = nullptr;    // Panel1
};

}  // namespace sibylon
