#include "ui/htmlview/HtmlView.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <cerrno>
#include <memory>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/Guard.h"
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

// The preview shows each page as a picture (that is all a preview can show): at this resolution
// it is sharp on a screen and made at once. The web engine's own printing draws at the printer's
// resolution, which for a high-resolution printer is a picture of some 10,000 x 14,000 pixels a
// page and took longer than a user waits.
constexpr int kPreviewResolution = 120;
// Paper takes the same pictures; text at this resolution reads as printed text.
constexpr int kPaperResolution = 300;

// Printed, a card table or a card's block that a sheet's end would cut goes whole onto the next
// sheet, and a card table too large for the sheet is made small enough for it. The rules apply to
// print only, so the page on screen and its file stay as they are; the script runs in a world of
// the program's own, beside the page, whose own scripts stay off. %1 and %2 are the printable
// width and height of a sheet in the page's pixels.
constexpr char kPrintLayoutScript[] = R"(
(function (width, height) {
  var style = document.getElementById('sibylon-print-layout');
  if (!style) {
    style = document.createElement('style');
    style.id = 'sibylon-print-layout';
    style.media = 'print';
    style.textContent = '[id=B] { zoom: var(--sibylon-print-zoom, 1); break-inside: avoid; }' +
                        ' .border { break-inside: avoid; }';
    (document.head || document.documentElement).appendChild(style);
  }
  var tables = document.querySelectorAll('[id=B]');
  for (var i = 0; i < tables.length; ++i) {
    var table = tables[i], right = 0;
    for (var card = table.firstElementChild; card; card = card.nextElementSibling) {
      right = Math.max(right, card.offsetLeft + card.offsetWidth);
    }
    // Below the heading of its reading where it fits there at half a sheet or more, else on a
    // sheet of its own.
    var reading = table.closest('.b') || document.body;
    var above = table.getBoundingClientRect().top - reading.getBoundingClientRect().top;
    var room = height - 40 - above >= (height - 40) / 2 ? height - 40 - above : height - 40;
    var zoom = Math.min(1, (width - 40) / Math.max(right, 1),
                        room / Math.max(table.offsetHeight, 1));
    table.style.setProperty('--sibylon-print-zoom', String(zoom));
  }
  return tables.length;
})(%1, %2)
)";

// How long a page may take to load before printing goes on with what there is.
constexpr int kLoadTimeoutMs = 60000;

bool IsPageExtension(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("html") || suffix == QLatin1String("htm") ||
         suffix == QLatin1String("xhtml");
}

}  // namespace

HtmlView::HtmlView(QWidget* parent) : QWebEngineView(parent) {
  setPage(new LocalPage(SharedProfile(), this));
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(this, &QWebEngineView::loadStarted, this, [this] { loading_ = true; });
  connect(this, &QWebEngineView::loadFinished, this, [this] {
    loading_ = false;
    if (load_wait_) load_wait_->quit();
  });
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
  aborted_ = false;
  loading_ = true;  // from now on: the load starts a moment later
  load(PageUrl(path));
}

void HtmlView::WaitUntilLoaded() {
  if (!loading_ || aborted_) return;
  QEventLoop wait;
  load_wait_ = waiting_ = &wait;
  QTimer::singleShot(kLoadTimeoutMs, &wait, &QEventLoop::quit);
  wait.exec();
  load_wait_ = waiting_ = nullptr;
}

void HtmlView::PreparePrint(const QPageLayout& layout) {
  // The printable part of a sheet in the page's pixels (96 to the inch).
  const QRectF sheet = layout.paintRect(QPageLayout::Point);
  const QString script = QString::fromLatin1(kPrintLayoutScript)
                             .arg(sheet.width() * 96 / 72, 0, 'f', 1)
                             .arg(sheet.height() * 96 / 72, 0, 'f', 1);
  // The answer may come after an abort has ended the wait: it goes to a place that outlives this.
  struct Answer {
    bool done = false;
    QEventLoop* wait = nullptr;
  };
  auto answer = std::make_shared<Answer>();
  page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [answer](const QVariant&) {
    answer->done = true;
    if (answer->wait) answer->wait->quit();
  });
  if (!answer->done && !aborted_) {
    QEventLoop wait;
    answer->wait = waiting_ = &wait;
    wait.exec();
    answer->wait = waiting_ = nullptr;
  }
}

QByteArray HtmlView::Pdf(const QPageLayout& layout, const QPageRanges& ranges) {
  WaitUntilLoaded();
  if (aborted_) return {};
  PreparePrint(layout);
  if (aborted_) return {};
  // The engine answers later, and perhaps after an abort has ended the wait: its answer goes to a
  // place that outlives this call.
  struct Result {
    QByteArray pdf;
    bool done = false;
    QEventLoop* wait = nullptr;
  };
  auto result = std::make_shared<Result>();
  printToPdf(
      [result](const QByteArray& pdf) {
        result->pdf = pdf;
        result->done = true;
        if (result->wait) result->wait->quit();
      },
      layout, ranges);
  if (!result->done) {
    QEventLoop wait;
    result->wait = waiting_ = &wait;
    wait.exec();
    result->wait = waiting_ = nullptr;
  }
  return aborted_ ? QByteArray() : result->pdf;
}

void HtmlView::SavePdf(const std::string& path, const QPageLayout& layout,
                       const QPageRanges& ranges) {
  const QByteArray pdf = Pdf(layout, ranges);
  if (aborted_) return;
  if (pdf.isEmpty()) throw CannotCreateFile(path, EIO);
  SaveToFile(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

void HtmlView::Abort() {
  aborted_ = true;
  triggerPageAction(QWebEnginePage::Stop);
  if (waiting_) waiting_->quit();
}

QPageLayout HtmlView::LocalePageLayout() {
  const bool us = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
  return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

void HtmlView::PrintPreview() {
  auto* printer = new QPrinter(QPrinter::HighResolution);
  auto* dialog = new QPrintPreviewDialog(printer, window());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QObject::destroyed, [printer] { delete printer; });
  connect(dialog, &QPrintPreviewDialog::paintRequested, this,
          [this, dialog](QPrinter* target) { Guarded(dialog, [&] { PaintForPreview(target); }); });
  dialog->open();
}

void HtmlView::PaintForPreview(QPrinter* target) {
  // The preview records what is painted through a paint engine of its own, of the picture type.
  const bool preview =
      target->paintEngine() != nullptr && target->paintEngine()->type() == QPaintEngine::Picture;
  if (!preview && target->outputFormat() == QPrinter::PdfFormat &&
      !target->outputFileName().isEmpty()) {
    // "Print to File": the engine's own PDF, with the page setup chosen, keeps the text.
    SavePdf(ToBytes(target->outputFileName()), target->pageLayout(), target->pageRanges());
    return;
  }
  WaitUntilLoaded();
  PreparePrint(target->pageLayout());
  target->setResolution(preview ? kPreviewResolution : kPaperResolution);
  QEventLoop wait;
  connect(this, &QWebEngineView::printFinished, &wait, &QEventLoop::quit);
  print(target);
  wait.exec();
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
