#pragma once

// The main() of the benchmark programs that draw with Qt: the offscreen
// platform, so that they run without a display, then Google Benchmark.
#include <QtGlobal>
#include <benchmark/benchmark.h>

namespace pellamar {

// App is QApplication for widgets, QGuiApplication for pictures alone.
template <typename App>
int RunOffscreenBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  App app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace pellamar
