#include "places/city_search.h"

#include <algorithm>

#include "places/city_file.h"
#include "places/cp1252.h"

namespace pellamar {

std::vector<CityMatch> SearchCities(const std::vector<std::string_view>& lines, std::string_view query) {
  std::vector<CityMatch> found;
  if (query.empty()) return found;
  const std::string needle = Cp1252Lower(query);
  std::string lowered;
  for (const std::string_view line : lines) {
    if (IsSkippedByCityReaders(line) || line.size() < needle.size()) continue;
    lowered = Cp1252Lower(line);
    if (lowered.find(needle) == std::string::npos) continue;
    std::optional<CityRecord> city = ParseCityLine(line);
    if (!city) continue;
    found.push_back({std::string(line), std::move(city->name)});
  }
  return found;
}

std::vector<std::string> ListCountries(const std::vector<std::string_view>& lines) {
  std::vector<std::string> countries;
  for (const std::string_view line : lines) {
    const CityLineKind kind = ClassifyCityLine(line);
    if (kind == CityLineKind::CountryHeading || kind == CityLineKind::UserSectionHeader) {
      countries.emplace_back(line.substr(1));
    }
  }
  return countries;
}

std::vector<CityMatch> CountryCities(const std::vector<std::string_view>& lines, std::string_view country) {
  std::vector<CityMatch> found;
  const std::string_view wanted = TrimBlanks(country);
  bool in_block = false;
  for (const std::string_view line : lines) {
    if (!line.empty() && TrimBlanks(line.substr(1)) == wanted) in_block = true;
    if (!in_block) continue;
    const CityLineKind kind = ClassifyCityLine(line);
    if (kind == CityLineKind::City) {
      if (std::optional<CityRecord> city = ParseCityLine(line)) {
        found.push_back({std::string(line), std::move(city->name)});
      }
    } else if (kind == CityLineKind::BlockEnd && !found.empty()) {
      break;
    }
  }
  return found;
}

std::optional<ChosenCity> ChooseCity(std::string_view line) {
  std::optional<CityRecord> city = ParseCityLine(line);
  if (!city) return std::nullopt;
  ChosenCity chosen;
  chosen.place.lat_deg = std::clamp(city->latitude_deg, -90.0, 90.0);
  chosen.place.lon_east_deg = std::clamp(-city->lon_west_deg, -180.0, 180.0);
  chosen.name = std::move(city->name);
  return chosen;
}

void CentreOnCity(MapState& map, const GeoPoint& place) {
  SetCentre(map, static_cast<float>(place.lat_deg), static_cast<float>(place.lon_east_deg));
  map.ZOOMc = kChosenCityZoom;
}

}  // namespace pellamar
