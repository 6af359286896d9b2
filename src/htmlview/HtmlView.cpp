#include "htmlview/HtmlView.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include "app/AppError.h"
#include "app/TextCodec.h"
#include "srml/FileBytes.h"

namespace sibylon {
namespace {

bool IsLocal(const QUrl& url) {
  const QString scheme = url.scheme();
  return scheme == QLatin1String("file") || scheme == QLatin1String("data") ||
         scheme == QLatin1String("about") || scheme == QLatin1String("blob") ||
         scheme == QLatin1String("qrc");
}

// Refuses every request that would leave the machine: pictures, style sheets or frames that a
// stored text names by web address simply do not load.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    if (!IsLocal(info.requestUrl())) info.block(true);
  }
};

// A clicked link to a web address goes to the system browser; the view itself only moves between
// local pages and anchors inside them.
class LocalPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool main_frame) override {
    if (IsLocal(url)) return true;
    if (type == NavigationTypeLinkClicked && main_frame) QDesktopServices::openUrl(url);
    return false;
  }
};

QWebEngineProfile* SharedProfile() {
  static QWebEngineProfile* profile = [] {
    auto* shared = new QWebEngineProfile();  // off the record: nothing is kept on disk
    shared->setUrlRequestInterceptor(new LocalOnlyInterceptor(shared));
    QWebEngineSettings* settings = shared->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    return shared;
  }();
  return profile;
}

bool IsPageExtension(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("html") || suffix == QLatin1String("htm") ||
         suffix == QLatin1String("xhtml");
}

// Pages up to this size go to the view as content; larger ones are loaded by address.
constexpr qsizetype kMaxContentBytes = 2 * 1024 * 1024 - 4096;

}  // namespace

HtmlView::HtmlView(QWidget* parent) : QWebEngineView(parent) {
  setPage(new LocalPage(SharedProfile(), this));
  setContextMenuPolicy(Qt::NoContextMenu);
}

void HtmlView::EnableInlineImages() {
  SharedProfile()->settings()->setAttribute(QWebEngineSettings::AutoLoadImages, true);
}

void HtmlView::Navigate(const std::string& path) {
  shown_file_ = path;
  const QString file = ToQString(path);
  const QUrl url = QUrl::fromLocalFile(file);
  if (!IsPageExtension(file)) {
    try {
      const std::string bytes = ReadFileBytes(path);
      if (static_cast<qsizetype>(bytes.size()) <= kMaxContentBytes) {
        setContent(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                   QStringLiteral("text/html"), url);
        return;
      }
    } catch (const AppError&) {
      // the view shows its own page for a file it cannot open
    }
  }
  load(url);
}

void HtmlView::PrintPreview() {
  auto* printer = new QPrinter(QPrinter::HighResolution);
  auto* dialog = new QPrintPreviewDialog(printer, window());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QObject::destroyed, [printer] { delete printer; });
  connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
    QEventLoop wait;
    connect(this, &QWebEngineView::printFinished, &wait, &QEventLoop::quit);
    print(target);
    wait.exec();
  });
  dialog->open();
}

void HtmlView::SaveAs() {
  if (shown_file_.empty()) return;
  const QString target = QFileDialog::getSaveFileName(
      window(), QStringLiteral("Save HTML"), QFileInfo(ToQString(shown_file_)).completeBaseName() + ".html",
      QStringLiteral("Web pages (*.html *.htm);;All files (*)"));
  if (target.isEmpty()) return;
  SaveToFile(ToBytes(target), ReadFileBytes(shown_file_));
}

}  // namespace sibylon
