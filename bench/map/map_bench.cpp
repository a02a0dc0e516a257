// Map engine figures: outline parsing throughput and whole rebuilds drawn
// into the real Qt picture at the size of a 1920 x 1080 window's map.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/bench_support.h"
#include "map/rebuild.h"
#include "map/view/picture_canvas.h"

namespace pellamar {
namespace {

// Picture1 of a 1920 x 1080 window at 96 DPI.
constexpr int kMapWidthPx = 1906, kMapHeightPx = 955;

class NoSteps final : public RebuildSteps {
 public:
  void HideDaylightPools() override {}
  void ShowWindow() override {}
  void StepProgress() override {}
  void PlaceSunMarker() override {}
  void DrawCities() override {}
  void ShowPosition() override {}
  void DrawParallels() override {}
  void DrawScaleBar() override {}
  void RedrawDaylight() override {}
  void ClearProgress() override {}
  void ReadOutCentre() override {}
};

// An outline text of `lines` points: random-walk polylines of 0.1° to 0.5°
// steps over the whole world, a break line every 500 points, as the shipped
// files are made.
std::string SyntheticOutline(std::size_t lines, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> start_lon(-175, 175), start_lat(-80, 80), step(-0.35, 0.35);
  std::string text;
  text.reserve(lines * 22);
  double lon = 0, lat = 0;
  char buf[64];
  for (std::size_t i = 0; i < lines; ++i) {
    if (i % 500 == 0) {
      if (i) text += "2 0\r\n";
      lon = start_lon(rng);
      lat = start_lat(rng);
      continue;
    }
    lon = std::clamp(lon + step(rng), -179.9, 179.9);
    lat = std::clamp(lat + step(rng), -89.9, 89.9);
    const int n = std::snprintf(buf, sizeof buf, "%.6f %.6f\r\n", (lon + 180) / 360,
                                (lat + 90) / (180 * 1.4142135623730951));
    text.append(buf, static_cast<std::size_t>(n));
  }
  return text;
}

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto dir = std::filesystem::temp_directory_path() / "pellamar_map_bench";
    std::filesystem::create_directories(dir);
    unsigned seed = 1;
    for (const char* name : {"Iles.Asc", "Lacs.Asc", "rivieres.Asc", "contours.Asc"})
      std::ofstream(dir / name, std::ios::binary) << SyntheticOutline(200000, seed++);
    std::ofstream(dir / "totale.Asc", std::ios::binary) << SyntheticOutline(10000, 99);
    return dir;
  }();
  return folder;
}

void BM_ParseOutline(benchmark::State& state) {
  const std::string text = SyntheticOutline(200000, 7);
  for (auto _ : state) {
    OutlineLoad load = ParseOutline(text);
    benchmark::DoNotOptimize(load.outline.x.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseOutline)->Unit(benchmark::kMillisecond);

void Rebuild(benchmark::State& state, const std::filesystem::path& folder, OutlineSet set, double zoom) {
  OutlineLibrary library(folder);
  PictureCanvas canvas;
  canvas.Resize(kMapWidthPx, kMapHeightPx, 1.0, 96);
  MapState map;
  map.ZOOMc = zoom;
  SetCentre(map, 0, 0);
  PlaceCentre(map, canvas.WidthTwips(), canvas.HeightTwips());
  NoSteps steps;
  SilentNotice notice;
  for (auto _ : state) {
    RebuildMap(set, library, map, canvas, notice, steps);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}

void BM_RebuildGlobal(benchmark::State& state) { Rebuild(state, Folder(), OutlineSet::Global, 13885); }
void BM_RebuildPrecise(benchmark::State& state) { Rebuild(state, Folder(), OutlineSet::Precise, 13885); }
void BM_RebuildPreciseZoomed(benchmark::State& state) { Rebuild(state, Folder(), OutlineSet::Precise, 900); }
BENCHMARK(BM_RebuildGlobal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildPrecise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildPreciseZoomed)->Unit(benchmark::kMillisecond);

// The same with the files shipped next to the program, when they are there.
void ShippedRebuild(benchmark::State& state, OutlineSet set) {
  const char* dir = std::getenv("PELLAMAR_DATA");
  if (!dir) {
    state.SkipWithError("set PELLAMAR_DATA to the program's data folder");
    return;
  }
  Rebuild(state, dir, set, 13885);
}
void BM_ShippedGlobal(benchmark::State& state) { ShippedRebuild(state, OutlineSet::Global); }
void BM_ShippedPrecise(benchmark::State& state) { ShippedRebuild(state, OutlineSet::Precise); }
BENCHMARK(BM_ShippedGlobal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShippedPrecise)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellamar

int main(int argc, char** argv) { return pellamar::RunOffscreenBenchmarks<QGuiApplication>(argc, argv); }
