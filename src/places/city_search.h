#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "map/map_state.h"

namespace pellamar {

// One entry of the result lists: the city's whole file line (List1) and its
// name (List2), both Windows-1252 bytes.
struct CityMatch {
  std::string line;
  std::string name;
};

// The name search: every line without ";" and not blank that contains the
// query in any case (anywhere: name, coordinates or codes), in file order.
// Lines that cannot be split are left out. The query is Windows-1252 bytes;
// an empty query finds nothing.
[[nodiscard]] std::vector<CityMatch> SearchCities(const std::vector<std::string_view>& lines,
                                                  std::string_view query);

// The country list: the text after the ";" of every heading line, in file
// order with duplicates, the user section's " Villes définies" included.
[[nodiscard]] std::vector<std::string> ListCountries(const std::vector<std::string_view>& lines);

// The cities of the block whose heading, trimmed, is the country, trimmed.
// A block end stops the listing only once a city was listed, so a heading
// followed at once by "; " (the user section) lists the cities after it.
// Blank lines and lines that cannot be split are left out.
[[nodiscard]] std::vector<CityMatch> CountryCities(const std::vector<std::string_view>& lines,
                                                   std::string_view country);

// The zoom at which a chosen city is shown: 899 minutes of arc, just under
// the zoom from which every name is drawn.
inline constexpr double kChosenCityZoom = 899;

// The place of a chosen city's line (east positive), clamped to ±90° and
// ±180°, and its name; nothing when the line cannot be split.
struct ChosenCity {
  GeoPoint place;
  std::string name;  // Windows-1252
};
[[nodiscard]] std::optional<ChosenCity> ChooseCity(std::string_view line);

// Centres the map on the chosen place at kChosenCityZoom. The caller reads
// out the centre and rebuilds the map.
void CentreOnCity(MapState& map, const GeoPoint& place);

}  // namespace pellamar
