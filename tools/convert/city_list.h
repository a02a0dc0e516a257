#pragma once

// The world part of the city file: which GeoNames places it lists, under
// which French names, in which drawing class, and the lines it writes.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "convert/pbf_cities.h"

namespace pellamar::tools {

// Drawing class of a listed place (the digit after the longitude): 0
// national capitals; then by population 1 (≥ 5 million), 2 (≥ 1 million),
// 4 (≥ 500,000), 5 (≥ 250,000), 6 (≥ 100,000); 7 regional capitals (GeoNames
// PPLA) under 100,000; 8 the others. 3 is never given: a 3 following a
// longitude that ends in 9 would pass for a user city ("9 3") in searches.
[[nodiscard]] char CityCategory(bool national_capital, std::uint64_t population,
                                std::string_view feature_code);

// Fixed-point text of a value in thousandths, rounded half away from zero
// and zero-padded after the sign to `width` characters: (48.8566, 7) →
// "048.857", (-2.3522, 8) → "-002.352", (58.3816, 8) → "0058.382".
[[nodiscard]] std::string FormatThousandths(double value, int width);

// One city line without its line end: latitude on 7 characters, west-
// positive longitude on 8 (so that a reader taking the longitude from the
// latitude's width plus one reads all of it), the class digit, the reserved
// word, the name. `name` is Windows-1252 text.
[[nodiscard]] std::string FormatCityLine(double lat_deg, double lon_west_deg, char category,
                                         std::string_view reserved, std::string_view name);

// Choices made by hand where the data is silent or dated.
struct CityRules {
  std::map<std::string, std::int64_t> capitals;        // country code → GeoNames id
  std::map<std::int64_t, std::string> names;          // GeoNames id → French name (UTF-8)
  std::map<std::string, std::string> country_names;   // code → French name, when the list lacks it
};

// The shipped choices.
[[nodiscard]] CityRules ShippedCityRules();

struct CityEntry {
  std::int64_t geonames_id = 0;
  double lat_deg = 0.0;
  double lon_west_deg = 0.0;
  char category = '8';
  std::uint64_t population = 0;
  std::string name;  // Windows-1252
};

struct CountryBlock {
  std::string code;
  std::string name;  // Windows-1252
  std::vector<CityEntry> cities;
};

// Lists the national capitals, the places of 100,000 or more and the three
// largest places of each country, leaving out what is not a town (PPLX
// districts, PPLH historical, PPLQ abandoned, PPLW destroyed, PPLCH former
// capitals). Names come from `rules.names`, then `french_names` (by GeoNames
// id as text), then GeoNames, in Windows-1252, with ";" (which hides a line
// from the map) turned into ",". Countries are sorted by name and cities by
// name, both ignoring case and accents.
[[nodiscard]] std::vector<CountryBlock> SelectCities(const std::vector<PbfCity>& places,
                                                     const std::map<std::string, std::string>& french_names,
                                                     const std::map<std::string, std::string>& country_names,
                                                     const CityRules& rules);

// The whole file in Windows-1252 with CR LF ends: each block as "; name",
// its city lines (reserved word "0") and "; ", then the empty user section
// (" ", "; ", "; Villes définies", "; ").
[[nodiscard]] std::string FormatCityFile(const std::vector<CountryBlock>& blocks);

}  // namespace pellamar::tools
