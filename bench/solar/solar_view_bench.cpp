// The dials' read-out drawn into the real dial pictures (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/bench_support.h"
#include "solar/sun_dials.h"
#include "solar/sun_ephemeris.h"
#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"

namespace pellamar {
namespace {

void BM_PosSoleilTwoDialPictures(benchmark::State& state) {
  DialPicture az(SunDialsPanel::kDialTwips, SunDialsPanel::kDialTwips);
  DialPicture he(SunDialsPanel::kDialTwips, SunDialsPanel::kDialTwips);
  SunInstant when;
  when.D = 21;
  when.M = 6;
  when.Y = 2007;
  when.t = 15.5 / 24;
  for (auto _ : state) {
    const SunDialCaptions captions =
        PosSoleil(ComputeSunEphemeris(when), 48.85, -2.35, az, he, ',');
    benchmark::DoNotOptimize(captions);
  }
}
BENCHMARK(BM_PosSoleilTwoDialPictures)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pellamar

int main(int argc, char** argv) { return pellamar::RunOffscreenBenchmarks<QApplication>(argc, argv); }
