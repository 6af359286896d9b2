// The main() of the benchmarks that drive Qt widgets and the web engine: offscreen unless a
// display is asked for, the web engine without its sandbox, and error boxes recorded instead of
// shown.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/widgets/MessageBox.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
  }
  QApplication application(argc, argv);
  sibylon::MessageBox::SetTestMode(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
