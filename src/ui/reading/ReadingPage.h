#pragma once

#include <QWidget>
#include <string>

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
  // The bar's buttons of the full-screen layout ("Restore Window", "New Spread") or of the
  // windowed one ("Full Screen").
  void ShowFullScreenButtons(bool full_screen);

  // The reading's file name (Edit2), as bytes.
  std::string FileName() const;
  void SetFileName(const QString& name);
  void FocusFileName();
  // Edit2Change: restricted symbols are taken out as they are typed; "Save to Database" is
  // enabled while there is a name.
  void Edit2Change();

  // Shows the page file `path` in the view.
  void ShowPage(const std::string& path);

  // "Save as PDF": the shown reading as the web engine prints it, to a file the user picks.
  void SavePdfClick();
  // "Export Page": the shown reading as one page with its pictures inside, to a file the user
  // picks; the page the program shows stays as it is.
  void ExportPageClick();

 signals:
  void SaveToDatabaseClicked();   // Button4
  void FullScreenClicked();       // ButtonFSV
  void RestoreWindowClicked();    // ButtonNSV
  void ReturnNewSpreadClicked();  // ButtonReturnNS

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Places "Restore Window" at the bar's right edge and "New Spread" directly to its left.
  void PlaceFullScreenButtons();
  // Where a file made of the shown reading is suggested: its name with `extension`, in the user's
  // documents folder.
  QString SuggestedFile(const QString& extension) const;

  QLineEdit* file_name_ = nullptr;            // Edit2
  QPushButton* save_html_ = nullptr;          // Button6, never shown
  QPushButton* save_to_database_ = nullptr;   // Button4
  QPushButton* return_new_spread_ = nullptr;  // ButtonReturnNS
  QPushButton* print_ = nullptr;              // Button5
  QPushButton* save_pdf_ = nullptr;           // ButtonSavePdf
  QPushButton* export_page_ = nullptr;        // ButtonExportPage
  QPushButton* full_screen_ = nullptr;        // ButtonFSV
  QPushButton* restore_window_ = nullptr;     // ButtonNSV
  HtmlView* view_ = nullptr;                  // CppWebBrowser1
  QWidget* panel_ = nullptr;                  // Panel2
  QWidget* bar_ = nullptr;                    // Panel1
};

}  // namespace sibylon
