// Budget: importing a deck of 78 pictures 1200 pixels high takes under 10 s on the 2-core
// development machine. Measured on the import's own work (decode, scale, write upright and turned
// JPEGs, the blank card, the folder put in place), and on the dialog's preview, which reads every
// picture once more as a thumbnail before the user presses Import.
// Run as build/bench/sibylon_deck_import_bench (QT_QPA_PLATFORM=offscreen is set when missing).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>

#include "base/FolderTree.h"
#include "deck/CardTitles.h"
#include "deckimport/DeckScan.h"
#include "ui/reading/DeckImportDialog.h"
#include "ui/reading/DeckImportJob.h"

namespace sibylon {
namespace {

constexpr int kHeight = 1200;
constexpr int kWidth = 700;

// A picture with what a scanned card has: colour changes, lines and fine grain, so that it
// compresses and decodes as a real one does (JPEG about 400 KB at this size).
QImage CardLikePicture(int card) {
  QRandomGenerator random(static_cast<quint32>(card + 1));
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, kWidth, kHeight);
  gradient.setColorAt(0, QColor::fromHsv(card * 4 % 360, 90, 230));
  gradient.setColorAt(1, QColor::fromHsv((card * 4 + 120) % 360, 160, 90));
  painter.fillRect(image.rect(), gradient);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 160; ++i) {
    painter.setPen(QPen(QColor::fromRgb(random.generate()), 1 + random.bounded(6)));
    painter.drawLine(random.bounded(kWidth), random.bounded(kHeight), random.bounded(kWidth),
                     random.bounded(kHeight));
  }
  painter.end();
  for (int y = 0; y < kHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      const int grain = static_cast<int>(random.bounded(24)) - 12;
      const QRgb p = line[x];
      line[x] = qRgb(std::clamp(qRed(p) + grain, 0, 255), std::clamp(qGreen(p) + grain, 0, 255),
                     std::clamp(qBlue(p) + grain, 0, 255));
    }
  }
  return image;
}

// A folder numbered 00 .. 77 in `format`, made once per format.
QString SourceFolder(const char* format) {
  static std::map<std::string, std::unique_ptr<QTemporaryDir>> folders;
  auto& folder = folders[format];
  if (!folder) {
    folder = std::make_unique<QTemporaryDir>();
    for (int card = 0; card < 78; ++card) {
      CardLikePicture(card).save(
          folder->path() + QStringLiteral("/%1.%2").arg(card, 2, 10, QLatin1Char('0')).arg(format),
          format, 90);
    }
  }
  return folder->path();
}

CardTitleList Titles() { return ComposeCardTitleList(InitialTitleSet()); }

void BM_ImportDeck(benchmark::State& state, const char* format) {
  const QString source = SourceFolder(format);
  QTemporaryDir app;
  QDir(app.path()).mkpath(QStringLiteral("cards"));
  const std::string cards = app.path().toStdString() + "/cards/";
  const DeckScan scan = ScanDeckFolder(source.toStdString(), {"en"});
  for (auto _ : state) {
    DeckImportRequest request;
    request.source = source.toStdString() + "/";
    request.cards = cards;
    request.name = "Bench";
    request.mapping = MapDeck(scan, TrumpOrder::kStrengthEight);
    DeckImportJob job(request);
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&job, &DeckImportJob::Finished, &loop, [&](bool done, const QString&) {
      ok = done;
      loop.quit();
    });
    job.Start();
    loop.exec();
    if (!ok) state.SkipWithError("the import failed");
    state.PauseTiming();
    RemoveFolderTree(cards + "Bench");
    state.ResumeTiming();
  }
  qint64 bytes = 0;
  for (const QFileInfo& file : QDir(source).entryInfoList(QDir::Files)) bytes += file.size();
  state.counters["source_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK_CAPTURE(BM_ImportDeck, jpeg, "jpg")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_ImportDeck, png, "png")->Unit(benchmark::kMillisecond)->Iterations(3);

// From the folder typed in the dialog to every thumbnail of the preview shown.
void BM_PreviewDeck(benchmark::State& state, const char* format) {
  const QString source = SourceFolder(format);
  QTemporaryDir app;
  for (auto _ : state) {
    DeckImportDialog dialog(app.path().toStdString() + "/cards/", Titles());
    auto* folder = dialog.findChild<QLineEdit*>(QStringLiteral("DeckImportFolder"));
    folder->setText(source);
    QTest::keyClick(folder, Qt::Key_Return);
    while (!dialog.PreviewReady()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}
BENCHMARK_CAPTURE(BM_PreviewDeck, jpeg, "jpg")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_PreviewDeck, png, "png")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace sibylon
