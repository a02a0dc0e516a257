#include "places/city_drawing.h"

#include <algorithm>
#include <cmath>

#include "places/city_file.h"
#include "places/cp1252.h"

namespace pellamar {

CityStyle StyleOfCategory(char category) {
  const int digit = category - '0';
  if (digit == 9) return {4, kUserCity, kUserCity};
  if (digit <= 2) return {4, kMajorCityCircle, kCityName};
  if (digit == 3) return {2, kCityCircle, kCityName};
  return {2, kCityCircle, kMinorCityName};
}

bool NameDrawn(char category, double zoom) {
  const int digit = category - '0';
  return (zoom < kAllNamesZoom || digit < 3 || digit == 9) && zoom < kMainNamesZoom;
}

int DrawCityLines(const std::vector<std::string_view>& lines, const MapState& map, Canvas& canvas,
                  double min_radius_twips) {
  if (map.Pas_Inter == 0 || map.PasLong == 0) return 0;
  const double pas_inter = map.Pas_Inter, pas_long = map.PasLong;
  const double lat_c = map.LATCENTD;
  const double lon_c = -static_cast<double>(map.LONCENTD);  // west positive, as the file
  const double half_lat = canvas.HeightTwips() / (pas_inter * 60) / 2;
  const double half_lon = canvas.WidthTwips() / (pas_long * 60) / 2;
  int drawn = 0;
  for (const std::string_view line : lines) {
    if (IsSkippedByCityReaders(line)) continue;
    const std::optional<CityRecord> city = ParseCityLine(line);
    if (!city) continue;
    if (std::abs(lat_c - city->latitude_deg) > half_lat) continue;
    if (std::abs(lon_c - city->lon_west_deg) > half_lon) continue;
    const double x = map.Xc + 60 * pas_long * (lon_c - city->lon_west_deg);
    const double y = map.Yc + 60 * pas_inter * (lat_c - city->latitude_deg);
    const CityStyle style = StyleOfCategory(city->category);
    canvas.Circle(x, y, std::max(style.radius_scales * pas_inter, min_radius_twips), style.circle);
    canvas.SetForeColour(style.name);
    ++drawn;
    if (NameDrawn(city->category, map.ZOOMc)) {
      canvas.SetPrintPosition(x, y);
      canvas.Print(Cp1252ToUtf8(city->name));
    }
  }
  return drawn;
}

}  // namespace pellamar
