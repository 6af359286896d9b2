#include "htmlview/HtmlView.h"

#include <QImage>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QtTest>

#include "support/TestAppFolder.h"

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
  view.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
    result = value;
    done = true;
  });
  if (!QTest::qWaitFor([&] { return done; }, 10000)) return QStringLiteral("no answer");
  return result;
}

bool Load(HtmlView& view, const QString& path) {
  QSignalSpy finished(&view, &QWebEngineView::loadFinished);
  view.Navigate(path.toStdString());
  return finished.wait(20000) && finished.last().first().toBool();
}

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
              Page("Local", "<img id=\"c\" src=\"card.png\" />"
                            "<script type=\"text/javascript\">document.title = 'ran';</script>"));
    HtmlView view;
    view.resize(400, 300);
    view.show();
    QVERIFY(Load(view, app.Path("odd # folder %20?/page.html")));
    QCOMPARE(view.title(), QStringLiteral("Local"));
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(view, "document.getElementById('c').naturalWidth").toInt(), 12,
                              10000);
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
              Page("Anchors", "<img id=\"r\" src=\"http://127.0.0.1:9/remote.png\" />"
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
};

QTEST_MAIN(HtmlViewTest)
#include "HtmlViewTest.moc"
