#pragma once

// The world part of the city file: which GeoNames places it lists, under
// which French names, in which drawing class, and the lines it writes.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "convert/catalogs.h"
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

// Great-circle distance in kilometres on a sphere of radius 6371 km.
[[nodiscard]] double DistanceKm(double lat1_deg, double lon1_deg, double lat2_deg, double lon2_deg);

// The reach of a town of `population` people: the radius of a disc holding
// them at 6,000 people per km², and never less than 3 km. A smaller place
// listed within it is a part or a suburb of the town, not a city of its own
// on the map (New York: 20.8 km, enough for Staten Island; Sanya, 144,753
// people: 3 km).
[[nodiscard]] double TownReachKm(std::uint64_t population);

// English name of an ISO country with the French names of a catalogue keyed
// by English name (iso-codes' iso_3166-1.mo) → the heading, UTF-8: the
// common name when the list gives one, translated when the catalogue can
// ("South Korea" → "Corée du Sud", "Laos"), else the formal name's
// translation, put back in reading order when the
// catalogue inverts it for indexes ("Salomon, Îles" → "Îles Salomon",
// "Micronésie, États fédérés de" → "États fédérés de Micronésie"), with a
// capital first letter ("îles Cook" → "Îles Cook").
[[nodiscard]] std::string FrenchCountryName(const IsoCountry& country,
                                            const std::map<std::string, std::string>& french);

// Choices made by hand where the data is silent, dated or wrong.
struct CityRules {
  std::map<std::string, std::int64_t> capitals;        // country code → GeoNames id
  std::map<std::int64_t, std::string> names;          // GeoNames id → French name (UTF-8)
  std::map<std::string, std::string> country_names;   // code → French name, before the catalogue's
  // GeoNames ids whose population counts a whole prefecture or county
  // rather than the town: see SelectCities.
  std::set<std::int64_t> doubtful_populations;
};

// The shipped choices.
[[nodiscard]] CityRules ShippedCityRules();

struct CityEntry {
  std::int64_t geonames_id = 0;
  double lat_deg = 0.0;
  double lon_west_deg = 0.0;
  char category = '8';
  std::uint64_t population = 0;  // the figure the category comes from
  std::string name;  // Windows-1252
};

struct CountryBlock {
  std::string code;
  std::string name;  // Windows-1252
  std::vector<CityEntry> cities;
};

// Lists, by country, the national capitals, the seats of first-order
// regions (PPLA), the places of 100,000 or more and the three largest
// places, leaving out what is not a town (PPLX sections of a town, PPLH
// historical, PPLQ abandoned, PPLW destroyed, PPLCH former capitals) and
// every place other than a capital or a seat that lies within the reach
// (TownReachKm) of a larger listed place of its country.
//
// A place in `rules.doubtful_populations` is listed, but its figure is the
// largest of the other places of its country within 10 km (its own town
// listed again, or a district of it) or, when there is none, unknown (0).
//
// Names come from `rules.names`, then `french_names` (by GeoNames id as
// text), then GeoNames, where the " City" that GeoNames appends to Chinese
// and Taiwanese towns (for 市) is left out; all in Windows-1252, with ";"
// (which hides a line from the map) turned into ",". Country names come from
// `rules.country_names`, then `country_names`, else the code. Countries and
// their cities are in French dictionary order (FrenchBefore).
[[nodiscard]] std::vector<CountryBlock> SelectCities(const std::vector<PbfCity>& places,
                                                     const std::map<std::string, std::string>& french_names,
                                                     const std::map<std::string, std::string>& country_names,
                                                     const CityRules& rules);

// The whole file in Windows-1252 with CR LF ends: each block as "; name",
// its city lines (reserved word "0") and "; ", then the empty user section
// (" ", "; ", "; Villes définies", "; ").
[[nodiscard]] std::string FormatCityFile(const std::vector<CountryBlock>& blocks);

}  // namespace pellamar::tools
