// Budgets measured on the real main window (offscreen):
// - start of the main window with 10,000 saved readings: under 0.5 s more than with none;
// - "Shuffle and Deal" click to the reading page loaded in the view: under 300 ms.
// Run as build/bench/sibylon_window_bench (QT_QPA_PLATFORM=offscreen is set when missing).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>

#include "app/MainWindow.h"

namespace sibylon {
namespace {

// An AppFolder with the shipped data and `readings` stored readings.
std::unique_ptr<QTemporaryDir> MakeAppFolder(int readings) {
  auto dir = std::make_unique<QTemporaryDir>();
  const QString data = QStringLiteral(SIBYLON_DATA);
  for (const char* folder : {"spreads", "descriptions", "database", "cards", "titles", "xfiles"}) {
    QDir(dir->path()).mkpath(QString::fromLatin1(folder));
  }
  const QStringList copies = {"spreads", "descriptions", "titles", "xfiles"};
  for (const QString& folder : copies) {
    for (const QString& file : QDir(data + "/" + folder).entryList(QDir::Files)) {
      QFile::copy(data + "/" + folder + "/" + file, dir->path() + "/" + folder + "/" + file);
    }
  }
  // The deck folder is enough for the window; the pictures only matter to the view.
  QDir(dir->path()).mkpath(QStringLiteral("cards/Celestine/normal"));
  for (int i = 0; i < readings; ++i) {
    QFile file(dir->path() +
               QStringLiteral("/database/Reading %1.srml").arg(i, 5, 10, QLatin1Char('0')));
    file.open(QIODevice::WriteOnly);
    file.write("[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SAVEDSPREAD\"]\r\n[/SRML]\r\n");
  }
  return dir;
}

void BM_StartMainWindow(benchmark::State& state) {
  const auto app = MakeAppFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    MainWindow window(AppFolder(app->path().toStdString()));
    benchmark::DoNotOptimize(window.StartupFailure());
  }
}
BENCHMARK(BM_StartMainWindow)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ShuffleAndDealToPageLoaded(benchmark::State& state) {
  const auto app = MakeAppFolder(0);
  MainWindow window(AppFolder(app->path().toStdString()));
  window.show();
  auto* deal = window.findChild<QPushButton*>(QStringLiteral("Button2"));
  auto* view = window.findChild<QWebEngineView*>(QStringLiteral("CppWebBrowser1"));
  for (auto _ : state) {
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    deal->click();
    if (!loaded.wait(5000)) state.SkipWithError("the page did not load");
  }
}
BENCHMARK(BM_ShuffleAndDealToPageLoaded)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace sibylon
