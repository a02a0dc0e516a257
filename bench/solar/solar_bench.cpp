// Sun computations against their budgets: a day/night scan of all 361
// meridians (<= 2 ms) and the dials' read-out with both dials drawn
// (<= 0.3 ms).
#include <benchmark/benchmark.h>

#include "platform/canvas.h"
#include "solar/sun_dials.h"
#include "solar/sun_ephemeris.h"

namespace pellamar {
namespace {

// Counts what it is asked to draw and draws nothing.
class NullCanvas final : public Canvas {
 public:
  double WidthTwips() const override { return 1770; }
  double HeightTwips() const override { return 1770; }
  void Clear() override { ++calls; }
  void SetLineStyle(LineStyle) override {}
  void SetLineWidth(int) override {}
  void Line(double x1, double, double, double, Colour) override { sum += x1; ++calls; }
  void Circle(double cx, double, double, Colour) override { sum += cx; ++calls; }
  void SetForeColour(Colour) override {}
  void SetPrintPosition(double, double) override {}
  void Print(std::string_view) override { ++calls; }
  long calls = 0;
  double sum = 0;
};

SunInstant Instant(double day, double month, double hours) {
  SunInstant i;
  i.D = day;
  i.M = month;
  i.Y = 2007;
  i.t = hours / 24;
  i.TimeZone = 0;
  return i;
}

// The scan as the day/night overlay runs it: one ephemeris, the direction
// from the declination, 361 meridians. Near the equinox with the default
// upward scan most meridians walk far before they find the boundary.
void BM_TerminatorScan361(benchmark::State& state) {
  const SunInstant when = state.range(0) == 0 ? Instant(21, 3, 12) : Instant(21, 6, 12);
  for (auto _ : state) {
    const SunEphemeris e = ComputeSunEphemeris(when);
    const TerminatorScanner scanner(e, state.range(1) ? ScanForDeclination(SunDeclination(e))
                                                      : TerminatorScan{});
    float sum = 0;
    for (int lw = -180; lw <= 180; ++lw) sum += scanner.Latitude(static_cast<float>(lw));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_TerminatorScan361)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"june", "by_declination"})
    ->Unit(benchmark::kMicrosecond);

// For comparison: the walk with a fresh ephemeris for every height.
void BM_TerminatorScan361PerCallEphemeris(benchmark::State& state) {
  const SunInstant when = state.range(0) == 0 ? Instant(21, 3, 12) : Instant(21, 6, 12);
  const SunEphemeris once = ComputeSunEphemeris(when);
  const TerminatorScan scan =
      state.range(1) ? ScanForDeclination(SunDeclination(once)) : TerminatorScan{};
  for (auto _ : state) {
    float sum = 0;
    for (int lw = -180; lw <= 180; ++lw) {
      float result = 0;
      for (float lat = scan.ScanStart;
           scan.ScanStep > 0 ? lat <= scan.ScanEnd : lat >= scan.ScanEnd; lat += scan.ScanStep) {
        const float h = SunHeight(ComputeSunEphemeris(when), lat, static_cast<float>(lw));
        if (h < 0 && h > -1) {
          result = lat;
          break;
        }
        if (lat == scan.ScanEnd) result = 100;
      }
      sum += result;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_TerminatorScan361PerCallEphemeris)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"june", "by_declination"})
    ->Unit(benchmark::kMicrosecond);

void BM_PosSoleilTwoDials(benchmark::State& state) {
  NullCanvas az, he;
  const SunInstant when = Instant(21, 6, 15.5);
  for (auto _ : state) {
    const SunDialCaptions captions =
        PosSoleil(ComputeSunEphemeris(when), 48.85, -2.35, az, he, ',');
    benchmark::DoNotOptimize(captions);
  }
  benchmark::DoNotOptimize(az.sum + he.sum);
}
BENCHMARK(BM_PosSoleilTwoDials)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pellamar
