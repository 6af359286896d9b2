#pragma once

#include <QPageLayout>
#include <QPageRanges>
#include <QWebEngineView>
#include <string>

class QEventLoop;
class QPrinter;

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

  // The file shown last, as Navigate was given it.
  const std::string& ShownFile() const { return shown_file_; }

  // The view's print preview of the shown page; printing is done from there. The preview shows
  // pictures of the pages at a screen's resolution; printed to a PDF file the page keeps its text
  // (the web engine's own PDF), printed on paper it is a picture of each page at 300 dpi.
  void PrintPreview();

  // The shown page as the web engine prints it into a PDF: its text stays text, its pictures go in
  // once each. Waits until the page has loaded. Empty when it was aborted or could not be printed.
  QByteArray Pdf(const QPageLayout& layout, const QPageRanges& ranges = {});
  // The PDF of the shown page written to `path`, replacing it atomically; fails with "Cannot
  // create file".
  void SavePdf(const std::string& path, const QPageLayout& layout, const QPageRanges& ranges = {});
  // Stops loading or printing at once: a Pdf being made returns empty.
  void Abort();
  // Waits until the page that is loading has finished, or until Abort.
  void WaitUntilLoaded();

  // The pages of the user's locale: Letter where it measures in US units, A4 elsewhere, with
  // margins of 15 mm.
  static QPageLayout LocalePageLayout();

  // Asks the user for a file name and saves the shown page there.
  void SaveAs();

  // Lets every view show the pictures that its pages name.
  static void EnableInlineImages();

  // The address under which the view shows the local file `path`: its file address for a web
  // page, an address of the view's own scheme for any other extension.
  static QUrl PageUrl(const std::string& path);

 private:
  // Lays the shown page out for sheets of `layout` (print rules only; the screen stays as it is).
  void PreparePrint(const QPageLayout& layout);
  // Paints the shown page for the preview or the printer of the print preview.
  void PaintForPreview(QPrinter* target);

  std::string shown_file_;
  bool loading_ = false;
  bool aborted_ = false;
  QEventLoop* waiting_ = nullptr;    // the loop that waits for the engine, while one does
  QEventLoop* load_wait_ = nullptr;  // the loop that waits for the page to load, while one does
};

}  // namespace sibylon
