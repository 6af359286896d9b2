// Taking a reading away: "Save as PDF", "Export Page" and the print preview's PDF file, read back
// as a user's other programs would read them.

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QWebEngineScript>
#include <QtTest>

#include "app/MainWindow.h"
#include "reading/SelfContainedPage.h"
#include "srml/SectionReader.h"
#include "support/Controls.h"
#include "support/Pdf.h"
#include "support/TestAppFolder.h"
#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

// Every picture of the deck with a size of its own, so that the PDF's pictures tell which card
// each one is.
QSize PictureSize(const std::string& orientation, int card) {
  return {40 + card, orientation == "normal" ? 60 : orientation == "reversed" ? 61 : 62};
}

void WriteDeck(const test::TestAppFolder& app) {
  for (const char* orientation : {"normal", "reversed", "blank"}) {
    for (int card = orientation == std::string("blank") ? 0 : 1;
         card <= (orientation == std::string("blank") ? 0 : 78); ++card) {
      QImage picture(PictureSize(orientation, card), QImage::Format_RGB32);
      picture.fill(QColor::fromHsv(card * 4, 200, 200));
      const QString path =
          app.Path(QStringLiteral("cards/TestDeck/%1/%2.jpg").arg(orientation).arg(card));
      QDir().mkpath(QFileInfo(path).path());
      QVERIFY(picture.save(path, "JPEG"));
    }
  }
}

// The window with a reading of three cards, reversed and blank cards among what may fall.
struct Dealt {
  Dealt() : app("basic"), window((WriteDeck(app), app.App())) {
    window.show();
    Find<QCheckBox>(window, "CheckBoxReversedCards")->setChecked(true);
    Find<QCheckBox>(window, "CheckBox1")->setChecked(true);
    auto* view = Find<QWidget>(window, "CppWebBrowser1");
    QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
    Click(window, "Button2");
    loaded_ = loaded.wait(20000);
  }
  // Each dealt card's title and the size of its picture.
  QStringList Titles() const {
    QStringList titles;
    for (const std::string& card : SectionReader(window.HeldReading(), "FORTUNE")) {
      titles << QString::fromStdString(window.Titles()[std::stoul(card)]);
    }
    return titles;
  }
  QList<QSize> Pictures() const {
    const Lines fortune = SectionReader(window.HeldReading(), "FORTUNE");
    const Lines mirrors = SectionReader(window.HeldReading(), "MIRRORS");
    QList<QSize> sizes;
    for (std::size_t i = 0; i < fortune.size(); ++i) {
      sizes << PictureSize(mirrors[i], std::stoi(fortune[i]));
    }
    return sizes;
  }

  test::TestAppFolder app;
  MainWindow window;
  bool loaded_ = false;
};

}  // namespace

class ExportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() {
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    QLocale::setDefault(QLocale::c());
  }

  // The PDF holds its text as text: the spread, every card's title, every picture, on the pages
  // of the user's locale.
  void SaveAsPdfKeepsTextAndPictures_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("page");
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "(A4)";
    QTest::newRow("United States")
        << QLocale(QLocale::English, QLocale::UnitedStates) << "(letter)";
  }
  void SaveAsPdfKeepsTextAndPictures() {
    QFETCH(QLocale, locale);
    QFETCH(QString, page);
    QLocale::setDefault(locale);
    Dealt dealt;
    QVERIFY(dealt.loaded_);
    const QString pdf = dealt.app.Path("out/reading.pdf");
    QDir().mkpath(QFileInfo(pdf).path());
    FileDialog::SetNextFileName(pdf);
    Click(dealt.window, "ButtonSavePdf");
    QCOMPARE(FileDialog::LastSuggested(),
             FileDialog::InDocuments(Find<QLineEdit>(dealt.window, "Edit2")->text() + ".pdf"));

    QVERIFY2(test::PdfInfo(pdf, "Page size").endsWith(page),
             qPrintable(test::PdfInfo(pdf, "Page size")));
    const QString text = test::PdfText(pdf);
    QVERIFY2(text.contains("THREE CARDS"), qPrintable(text));  // the heading is in capitals
    for (const QString& title : dealt.Titles()) {
      QVERIFY2(text.contains(title), qPrintable(title + " in:\n" + text));
    }
    const QList<QSize> pictures = test::PdfPictures(pdf);
    for (const QSize& picture : dealt.Pictures()) {
      QVERIFY2(pictures.contains(picture), qPrintable(QStringLiteral("%1 x %2 of %3 pictures")
                                                          .arg(picture.width())
                                                          .arg(picture.height())
                                                          .arg(pictures.size())));
    }
  }

  void SaveAsPdfToAPlaceThatCannotBeWrittenSaysWhy() {
    Dealt dealt;
    const QString pdf = dealt.app.Path("no folder/reading.pdf");
    FileDialog::SetNextFileName(pdf);
    Click(dealt.window, "ButtonSavePdf");
    const QStringList errors = MessageBox::TakeShownErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith("Cannot create file \"" + pdf + "\". "),
             qPrintable(errors.first()));
    FileDialog::SetNextFileName(QString());  // cancelled: nothing written, nothing said
    Click(dealt.window, "ButtonSavePdf");
    QVERIFY(!QFileInfo::exists(pdf));
  }

  // The exported page names no file outside itself, shows its pictures where the deck is gone,
  // and the page the program shows stays as it was.
  void ExportPageNeedsNothingBesideIt() {
    Dealt dealt;
    const QByteArray shown = dealt.app.Read("xfiles/newSpread-0001.html");
    const QString exported = dealt.app.Path("away/reading.html");
    QDir().mkpath(QFileInfo(exported).path());
    FileDialog::SetNextFileName(exported);
    Click(dealt.window, "ButtonExportPage");
    QCOMPARE(dealt.app.Read("xfiles/newSpread-0001.html"), shown);
    QVERIFY(FileDialog::LastSuggested().endsWith(Find<QLineEdit>(dealt.window, "Edit2")->text() +
                                                 ".html"));

    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray page = file.readAll();
    QVERIFY(!page.contains(dealt.app.Path("").toUtf8()));
    static const QRegularExpression kReference("(src|href|background)\\s*=\\s*[\"']?([^\"' >]*)");
    for (auto match = kReference.globalMatch(QString::fromUtf8(page)); match.hasNext();) {
      const auto reference = match.next();
      const QString value = reference.captured(2);
      QVERIFY2(value.startsWith("data:") || value.startsWith('#'),
               qPrintable(reference.captured(0).left(80)));
    }
    dealt.app.Remove("cards");
    HtmlView view;
    view.resize(800, 600);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.Navigate(exported.toStdString());
    QVERIFY(loaded.wait(20000));
    QVariantList widths;
    bool done = false;
    view.page()->runJavaScript(
        "Array.from(document.images).map(function (i) { return i.naturalWidth; })",
        QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
          widths = value.toList();
          done = true;
        });
    QTRY_VERIFY(done);
    QCOMPARE(widths.size(), 2 * dealt.Pictures().size());  // in the table and in the reading
    for (int i = 0; i < widths.size(); ++i) {
      QCOMPARE(widths[i].toInt(), dealt.Pictures()[i % dealt.Pictures().size()].width());
    }
  }

  // The print preview shows its pages, and printed to a PDF file from there the page keeps its
  // text.
  void PrintPreviewPrintsToAPdfFileWithText() {
    Dealt dealt;
    Click(dealt.window, "Button5");
    QPrintPreviewDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = dealt.window.findChild<QPrintPreviewDialog*>()) != nullptr);
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    QTRY_VERIFY(preview->pageCount() > 0);
    const QString pdf = dealt.app.Path("printed.pdf");
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(pdf);
    preview->print();
    const QString text = test::PdfText(pdf);
    for (const QString& title : dealt.Titles()) {
      QVERIFY2(text.contains(title), qPrintable(title + " in:\n" + text));
    }
    dialog->reject();
  }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
