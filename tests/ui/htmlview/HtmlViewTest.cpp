#include <QDesktopServices>
#include <QImage>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QtTest>

#include "support/TestAppFolder.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/LinkTarget.h"

using namespace sibylon;

namespace {

QByteArray Page(const QByteArray& title, const QByteArray& body) {
  return "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
         "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
         "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n<head><title>" +
         title + "</title></head>\r\n<body>" + body + "</body></html>\r\n";
}

QVariant Evaluate(HtmlView& view, const QString& script) {
  QVariant result;
  bool done = false;
  view.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                             [&](const QVariant& value) {
                               result = value;
                               done = true;
                             });
  if (!QTest::qWaitFor([&] { return done; }, 10000)) return QStringLiteral("no answer");
  return result;
}

bool Load(HtmlView& view, const QString& path) {
  QSignalSpy finished(&view, &QWebEngineView::loadFinished);
  view.Navigate(path.toStdString());
  // Generous: a 3 MB page on a machine busy with other tests takes its time.
  return finished.wait(60000) && finished.last().first().toBool();
}

// Stands in for the desktop's handlers of the schemes it is registered for: records what the
// program hands over instead of starting another program.
class DesktopHandlers : public QObject {
  Q_OBJECT

 public:
  explicit DesktopHandlers(const QStringList& schemes) : schemes_(schemes) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~DesktopHandlers() override {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
  }
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }

 private:
  QStringList schemes_;
};

const QStringList kHandledSchemes = {"someapp", "https", "http", "mailto", "ftp", "tel"};

}  // namespace

class HtmlViewTest : public QObject {
  Q_OBJECT

 private slots:
  // A page in a folder whose name holds characters that addresses treat specially, with a
  // picture beside it: the picture is shown, and the page's own script does not run.
  void ShowsALocalPageWithItsLocalPictureAndRunsNoScript() {
    test::TestAppFolder app;
    QImage picture(12, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir().mkpath(app.Path("odd # folder %20?"));
    QVERIFY(picture.save(app.Path("odd # folder %20?/card.png")));
    app.Write("odd # folder %20?/page.html",
              Page("Local",
                   "<img id=\"c\" src=\"card.png\" />"
                   "<script type=\"text/javascript\">document.title = 'ran';</script>"));
    HtmlView view;
    view.resize(400, 300);
    view.show();
    QVERIFY(Load(view, app.Path("odd # folder %20?/page.html")));
    QCOMPARE(view.title(), QStringLiteral("Local"));
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(view, "document.getElementById('c').naturalWidth").toInt(),
                              12, 10000);
  }

  // The previews are written with the extension .srml and still show as pages.
  void ShowsAFileWithAnotherExtensionAsAPage() {
    test::TestAppFolder app;
    app.Write("xfiles/tmp0.srml", Page("Preview", "<p id=\"p\">Three <b>cards</b></p>"));
    HtmlView view;
    view.show();
    QVERIFY(Load(view, app.Path("xfiles/tmp0.srml")));
    QCOMPARE(view.title(), QStringLiteral("Preview"));
    QCOMPARE(Evaluate(view, "document.getElementById('p').textContent").toString(),
             QStringLiteral("Three cards"));
  }

  // Nothing is fetched from the network, and anchors inside the page still work.
  void RefusesRemotePicturesAndFollowsAnchors() {
    test::TestAppFolder app;
    app.Write("page.html",
              Page("Anchors",
                   "<img id=\"r\" src=\"http://127.0.0.1:9/remote.png\" />"
                   "<a id=\"go\" href=\"#a1\">go</a>"
                   "<div style=\"height:3000px\"></div><a id=\"a1\" name=\"a1\"></a>"));
    HtmlView view;
    view.resize(300, 200);
    view.show();
    QVERIFY(Load(view, app.Path("page.html")));
    QCOMPARE(Evaluate(view, "document.getElementById('r').naturalWidth").toInt(), 0);
    view.page()->runJavaScript("document.getElementById('go').click()",
                               QWebEngineScript::ApplicationWorld);
    QTRY_VERIFY_WITH_TIMEOUT(view.url().fragment() == QLatin1String("a1"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(Evaluate(view, "window.scrollY").toInt() > 1000, 10000);
  }

  void OnlyWebAndMailAddressesGoToTheSystem() {
    const struct {
      const char* url;
      LinkTarget target;
    } cases[] = {
        {"https://example.org/page", LinkTarget::kSystemHandler},
        {"HTTP://Example.org/", LinkTarget::kSystemHandler},
        {"mailto:reader@example.org", LinkTarget::kSystemHandler},
        {"someapp://payload", LinkTarget::kRefused},
        {"javascript:alert(1)", LinkTarget::kRefused},
        {"ftp://example.org/file", LinkTarget::kRefused},
        {"tel:+123456", LinkTarget::kRefused},
        {"ms-settings:privacy", LinkTarget::kRefused},
        {"page.html", LinkTarget::kRefused},  // an address without a scheme names nothing yet
        {"file:///opt/Sibylon/xfiles/newSpread-0001.html", LinkTarget::kView},
        {"sibylon-page://local/opt/Sibylon/xfiles/tmp0.srml", LinkTarget::kView},
        {"about:blank", LinkTarget::kView},
        {"data:text/html,x", LinkTarget::kView},
    };
    for (const auto& c : cases) {
      QVERIFY2(LinkTargetOf(QUrl(QString::fromLatin1(c.url))) == c.target, c.url);
    }
  }

  // A stored text's links, clicked as a person does: web and mail addresses reach the system's
  // handler, a made-up scheme does not, from a page as from the program's link label.
  void ClickedLinksOfOtherSchemesGoNowhere() {
    DesktopHandlers desktop(kHandledSchemes);
    test::TestAppFolder app;
    QByteArray links;
    for (const char* link :
         {"odd\" href=\"someapp://payload", "tel\" href=\"tel:+123456",
          "mail\" href=\"mailto:reader@example.org", "web\" href=\"https://example.org/"}) {
      links += QByteArray("<a style=\"display:block;height:40px\" id=\"") + link + "\">link</a>";
    }
    app.Write("page.html", Page("Links", links));
    HtmlView view;
    view.resize(300, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(Load(view, app.Path("page.html")));
    const auto click = [&view](const char* id) {
      const QVariantList centre =
          Evaluate(view, QStringLiteral("(function() { var r = document.getElementById('%1')"
                                        ".getBoundingClientRect(); return [r.left + 10, r.top + "
                                        "r.height / 2]; })()")
                             .arg(id))
              .toList();
      QVERIFY(centre.size() == 2);
      QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {},
                        QPoint(centre[0].toInt(), centre[1].toInt()));
    };
    // Made-up and unwanted schemes take the same way out as mail links: once the mail link that
    // was clicked after them has arrived, the decision on them is made.
    click("odd");
    click("tel");
    click("mail");
    QTRY_VERIFY_WITH_TIMEOUT(!desktop.opened.isEmpty(), 10000);
    click("web");
    QTRY_VERIFY_WITH_TIMEOUT(desktop.opened.size() >= 2, 10000);
    QCOMPARE(desktop.opened,
             QList<QUrl>({QUrl("mailto:reader@example.org"), QUrl("https://example.org/")}));
    QCOMPARE(view.url(), QUrl::fromLocalFile(app.Path("page.html")));

    desktop.opened.clear();
    for (const char* address : {"someapp://payload", "https://example.org/guide"}) {
      LinkLabel label(QStringLiteral("link"), QUrl(QString::fromLatin1(address)));
      label.resize(60, 20);
      label.show();
      QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    }
    QCOMPARE(desktop.opened, QList<QUrl>({QUrl("https://example.org/guide")}));
  }

  // Pages far beyond what the view takes as content, with any extension, are shown as pages:
  // the picture beside them is found, the remote one is not fetched, their script does not run.
  void ShowsAPageOfAnySizeAsAPage() {
    test::TestAppFolder app;
    QImage picture(12, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray filler;
    while (filler.size() < 3 * 1024 * 1024) filler += "<p>Ten of Cups, upright.</p>\r\n";
    const QByteArray page =
        Page("Big",
             "<img id=\"c\" src=\"card.png\" />"
             "<img id=\"r\" src=\"http://127.0.0.1:9/remote.png\" />"
             "<script type=\"text/javascript\">document.title = 'ran';</script>" +
                 filler + "<p id=\"end\">last</p>");
    for (const QString& file :
         {QStringLiteral("xfiles/tmp0.srml"), QStringLiteral("odd # folder %20?/preview.srml"),
          QStringLiteral("xfiles/newSpread-0001.html")}) {
      const QString folder = QFileInfo(file).path();
      QDir().mkpath(app.Path(folder));
      QVERIFY(picture.save(app.Path(folder + "/card.png")));
      app.Write(file, page);
      HtmlView view;
      view.resize(400, 300);
      view.show();
      QVERIFY2(Load(view, app.Path(file)), qPrintable(file));
      QCOMPARE(view.title(), QStringLiteral("Big"));
      QCOMPARE(Evaluate(view, "document.getElementById('end').textContent").toString(),
               QStringLiteral("last"));
      QTRY_COMPARE_WITH_TIMEOUT(Evaluate(view, "document.getElementById('c').naturalWidth").toInt(),
                                12, 10000);
      QCOMPARE(Evaluate(view, "document.getElementById('r').naturalWidth").toInt(), 0);
    }
  }
};

QTEST_MAIN(HtmlViewTest)
#include "HtmlViewTest.moc"
