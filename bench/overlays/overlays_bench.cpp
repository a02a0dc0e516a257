// The day/night redraw and the painting of the line pools, at the size of
// a 1920 x 1080 screen. PELLAMAR_DATA may name the program's data folder so
// that the pools are painted over the real map; without it the map is empty.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>

#include "bench/bench_support.h"
#include "map/view/map_picture.h"
#include "overlays/daylight_curve.h"
#include "overlays/view/pool_painter.h"
#include "platform/memory_settings_store.h"
#include "shell/view/main_window.h"

namespace pellamar {
namespace {

class NoProgress final : public DaylightProgress {
 public:
  void Clear() override {}
  void Step() override {}
};

// The map picture of a 1920 x 1080 window: about 1907 x 988 pixels.
constexpr double kWidthTwips = 1907 * 15.0, kHeightTwips = 988 * 15.0;

void BM_RedrawDaylightCore(benchmark::State& state) {
  const SunEphemeris eph = ComputeSunEphemeris({21, 6, 2026, 0.5, 0});
  MapState map;
  map.ZOOMc = kWholeWorldZoom;
  PlaceCentre(map, kWidthTwips, kHeightTwips);
  LinePools pools = DesignedLinePools();
  InitLinePools(pools, {}, kWidthTwips);
  DaylightCurve curve;
  NoProgress progress;
  for (auto _ : state) {
    RedrawDaylight(eph, {true, Rgb(240, 240, 0), kWidthTwips, kHeightTwips}, map, curve, pools, progress);
    benchmark::DoNotOptimize(pools.L.data());
  }
}
BENCHMARK(BM_RedrawDaylightCore)->Unit(benchmark::kMillisecond);

// A started window at 1920 x 1080, whole world, 21 June 2026 12:00 UT.
struct Window {
  Window() : clock({2026, 6, 21}, 12 * 3600, 0) {
    const char* data = std::getenv("PELLAMAR_DATA");
    const QString folder = data ? QString::fromLocal8Bit(data) : empty.path();
    window = std::make_unique<MainWindow>(MainWindowServices{&clock, &settings, &notice, folder, false});
    window->StartUp(QSize(1920, 1080));
  }
  QTemporaryDir empty;
  FixedClock clock;
  MemorySettingsStore settings;
  SilentNotice notice;
  std::unique_ptr<MainWindow> window;
};

// The whole redraw as the window runs it: date boxes, timer hold, the
// progress rows repainted, the Sun, the curve and the night lines.
void BM_RedrawDaylightWindow(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.window->RedrawDaylight();
    benchmark::DoNotOptimize(w.window->Pools().L.data());
  }
}
BENCHMARK(BM_RedrawDaylightWindow)->Unit(benchmark::kMillisecond);

// The 741 pool lines painted over the map picture, on a 32-bit surface as
// the window's backing store is.
void BM_PaintPools(benchmark::State& state) {
  Window w;
  QImage image = w.window->Picture()->Canvas().Image().convertToFormat(QImage::Format_RGB32);
  const double twips_per_px = w.window->Picture()->TwipsPerPixel();
  for (auto _ : state) {
    PaintPools(image, w.window->Pools(), twips_per_px, image.rect());
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintPools)->Unit(benchmark::kMillisecond);

// The map rendered whole, as a snapshot takes it: the map's picture
// copied, the pools painted over it, the panels on top.
void BM_RenderMap(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    const QPixmap picture = w.window->Picture()->grab();
    benchmark::DoNotOptimize(picture.cacheKey());
  }
}
BENCHMARK(BM_RenderMap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellamar

int main(int argc, char** argv) { return pellamar::RunOffscreenBenchmarks<QApplication>(argc, argv); }
