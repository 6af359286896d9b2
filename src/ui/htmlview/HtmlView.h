#pragma once

#include <QWebEngineView>
#include <string>

namespace sibylon {

// The program's one HTML view. It shows pages that the program wrote itself as local files, with
// the local pictures they name; it runs no script and loads nothing from the network, a web or
// mail link opens in the system's handler and a link of any other scheme goes nowhere.
class HtmlView : public QWebEngineView {
  Q_OBJECT

 public:
  explicit HtmlView(QWidget* parent = nullptr);

  // Shows the local file `path`. A file whose extension is not that of a web page (the previews
  // are written as .srml) is shown as a page all the same.
  void Navigate(const std::string& path);

  // The view's print preview of the shown page; printing is done from there.
  void PrintPreview();

  // Asks the user for a file name and saves the shown page there.
  void SaveAs();

  // Lets every view show the pictures that its pages name.
  static void EnableInlineImages();

  // The address under which the view shows the local file `path`: its file address for a web
  // page, an address of the view's own scheme for any other extension.
  static QUrl PageUrl(const std::string& path);

 private:
  std::string shown_file_;
};

}  // namespace sibylon
