// One pointer read-out: the core composition alone, and the whole of it
// through the real main window offscreen (position label, Sun times, both
// dials redrawn, solar clock).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include "bench/bench_support.h"
#include "places/pointer_readout.h"
#include "platform/memory_settings_store.h"
#include "shell/view/main_window.h"
#include "solar/view/date_panel.h"

namespace pellamar {
namespace {

void BM_ReadOutPlaceCore(benchmark::State& state) {
  ReadoutSettings settings;
  settings.day_text = "21";
  settings.month_text = "6";
  settings.QRAON = true;
  settings.clock_day_fraction = 0.5;
  double lon = -180;
  for (auto _ : state) {
    lon = lon >= 180 ? -180 : lon + 0.37;
    benchmark::DoNotOptimize(ReadOutPlace({48.85, lon}, settings));
  }
}
BENCHMARK(BM_ReadOutPlaceCore)->Unit(benchmark::kMicrosecond);

// With `paint`, each read-out is also painted: the event loop runs the
// repaints it scheduled (labels, boxes, both dials) into the backing store.
void ReadOutInTheWindow(benchmark::State& state, bool paint) {
  const FixedClock clock({2007, 6, 21}, 12 * 3600, 0);
  MemorySettingsStore settings;
  SilentNotice notice;
  MainWindow window({&clock, &settings, &notice, QDir(PELLAMAR_DATA_DIR).absolutePath(), false});
  window.StartUp(QSize(1920, 1080));
  window.Timer()->stop();
  const double width = window.Map().Xc * 2;
  const double y = window.Map().Yc * 0.6;
  double x = 0;
  for (auto _ : state) {
    // A new place every time, so every caption and both dials change.
    x = x >= width ? 0 : x + 97;
    window.ReadOut(x, y);
    if (paint) QCoreApplication::processEvents();
  }
  benchmark::DoNotOptimize(window.SunFrame()->Clock()->text());
}

void BM_ReadOutInTheWindow(benchmark::State& state) { ReadOutInTheWindow(state, false); }
void BM_ReadOutInTheWindowPainted(benchmark::State& state) { ReadOutInTheWindow(state, true); }
BENCHMARK(BM_ReadOutInTheWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadOutInTheWindowPainted)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pellamar

int main(int argc, char** argv) { return pellamar::RunOffscreenBenchmarks<QApplication>(argc, argv); }
