#include "ui/htmlview/HtmlView.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include "base/FileBytes.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/LinkTarget.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

bool IsLocal(const QUrl& url) { return LinkTargetOf(url) == LinkTarget::kView; }

// Refuses every request that would leave the machine: pictures, style sheets or frames that a
// stored text names by web address simply do not load.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    if (!IsLocal(info.requestUrl())) info.block(true);
  }
};

// A clicked web or mail link goes to the system's handler; the view itself only moves between
// local pages and anchors inside them; any other address goes nowhere.
class LocalPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool main_frame) override {
    const LinkTarget target = LinkTargetOf(url);
    if (target == LinkTarget::kView) return true;
    if (target == LinkTarget::kSystemHandler && type == NavigationTypeLinkClicked && main_frame) {
      // After the navigation callback has returned: the desktop's answer may be a message box.
      QMetaObject::invokeMethod(
          this, [this, url] { OpenOnDesktop(QWebEngineView::forPage(this), url); },
          Qt::QueuedConnection);
    }
    return false;
  }
};

constexpr char kPageHost[] = "local";

// The scheme has to be known before the web engine starts up, and the engine starts with the
// application object; registering while this file's statics are built is early enough for every
// program that shows an HtmlView (the program and its tests alike).
const bool kPageSchemeRegistered = [] {
  QWebEngineUrlScheme scheme(kPageScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  // Local like file: pages on it may show local pictures, and nothing from the web reaches it.
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
  return true;
}();

QString MimeTypeOf(const QString& path) {
  // The program writes its previews as .srml; they hold XHTML.
  if (path.endsWith(QLatin1String(".srml"), Qt::CaseInsensitive)) {
    return QStringLiteral("text/html");
  }
  static const QMimeDatabase types;
  return types.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
}

// Serves the files behind the view's own scheme: the page itself and what it names relative to
// its folder. The web engine reads the file while it shows it, whatever its size.
class PageSchemeHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QString path = job->requestUrl().path(QUrl::FullyDecoded);
    auto* file = new QFile(path);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly)) {
      delete file;
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    // The engine reads the file until the job ends; the file must outlive it.
    QObject::connect(job, &QObject::destroyed, file, &QObject::deleteLater);
    job->reply(MimeTypeOf(path).toUtf8(), file);
  }
};

QWebEngineProfile* SharedProfile() {
  static QWebEngineProfile* profile = [] {
    auto* shared = new QWebEngineProfile();  // off the record: nothing is kept on disk
    shared->setUrlRequestInterceptor(new LocalOnlyInterceptor(shared));
    shared->installUrlSchemeHandler(kPageScheme, new PageSchemeHandler(shared));
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

}  // namespace

HtmlView::HtmlView(QWidget* parent) : QWebEngineView(parent) {
  setPage(new LocalPage(SharedProfile(), this));
  setContextMenuPolicy(Qt::NoContextMenu);
}

void HtmlView::EnableInlineImages() {
  SharedProfile()->settings()->setAttribute(QWebEngineSettings::AutoLoadImages, true);
}

QUrl HtmlView::PageUrl(const std::string& path) {
  const QString file = ToQString(path);
  QUrl url = QUrl::fromLocalFile(file);
  if (IsPageExtension(file)) return url;
  // A file address with another extension would be shown as text: the view's own scheme serves
  // it as a page, and the pictures it names relative to its folder through the same scheme.
  url.setScheme(QString::fromLatin1(kPageScheme));
  url.setHost(QString::fromLatin1(kPageHost));
  return url;
}

void HtmlView::Navigate(const std::string& path) {
  shown_file_ = path;
  load(PageUrl(path));
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
  const QString target =
      FileDialog::SaveFileName(window(), QStringLiteral("Save HTML"),
                               QFileInfo(ToQString(shown_file_)).completeBaseName() + ".html",
                               QStringLiteral("Web pages (*.html *.htm);;All files (*)"));
  if (target.isEmpty()) return;
  SaveToFile(ToBytes(target), ReadFileBytes(shown_file_));
}

}  // namespace sibylon
