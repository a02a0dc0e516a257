// City figures over the shipped Villes.txt: the map's city drawing (file
// read, split, drawn into the real Qt picture of a 1920 x 1080 window's map)
// at the whole-world zoom and at the chosen-city zoom, and a name search.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "map/map_state.h"
#include "map/view/picture_canvas.h"
#include "places/city_drawing.h"
#include "places/city_file.h"
#include "places/city_search.h"

namespace pellamar {
namespace {

constexpr int kMapWidthPx = 1906, kMapHeightPx = 955;

const std::filesystem::path kCityFile = std::filesystem::path(PELLAMAR_SOURCE_DATA_DIR) / "Villes.txt";

void DrawShippedCities(benchmark::State& state, double zoom, float lat_deg, float lon_east_deg) {
  PictureCanvas canvas;
  canvas.Resize(kMapWidthPx, kMapHeightPx, 1.0, 96);
  MapState map;
  map.ZOOMc = zoom;
  SetCentre(map, lat_deg, lon_east_deg);
  PlaceCentre(map, canvas.WidthTwips(), canvas.HeightTwips());
  UpdateScales(map, canvas.WidthTwips(), canvas.HeightTwips());
  int drawn = 0;
  for (auto _ : state) {
    const std::optional<std::string> bytes = ReadCityFile(kCityFile);
    if (!bytes) {
      state.SkipWithError("the shipped Villes.txt cannot be read");
      return;
    }
    drawn = DrawCityLines(SplitCityLines(*bytes), map, canvas, canvas.TwipsPerPixel());
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
  state.counters["cities"] = drawn;
}

void BM_DrawCitiesWholeWorld(benchmark::State& state) { DrawShippedCities(state, kWholeWorldZoom, 0, 0); }
// Centred on Paris, where the map is densest with names.
void BM_DrawCitiesZoom899(benchmark::State& state) { DrawShippedCities(state, 899, 48.857f, 2.351f); }
BENCHMARK(BM_DrawCitiesWholeWorld)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawCitiesZoom899)->Unit(benchmark::kMillisecond);

void BM_SearchPar(benchmark::State& state) {
  std::size_t found = 0;
  for (auto _ : state) {
    const std::optional<std::string> bytes = ReadCityFile(kCityFile);
    if (!bytes) {
      state.SkipWithError("the shipped Villes.txt cannot be read");
      return;
    }
    found = SearchCities(SplitCityLines(*bytes), "par").size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_SearchPar)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellamar

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // the names are drawn with a font
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
