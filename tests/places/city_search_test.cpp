#include "places/city_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellamar {
namespace {

// A small city file as the program ships and extends it (Windows-1252).
const std::vector<std::string> kFile = {
    "; Argentine",
    "-34.613 0058.377 0 0 Buenos Aires",
    "-31.413 0064.181 2 0 C\xF3rdoba",
    "; ",
    "; France",
    "048.857 -002.351 0 0 Paris",
    "",
    "043.297 -005.381 1 0 Marseille",
    "046.323 -000.465 6 0 Parthenay;ancienne",
    ";",
    "; Vide",
    "; ",
    " ",
    "; ",
    "; Villes d\xE9" "finies",
    "; ",
    "48.850 -002.350 9 3 Maison",
    "-12.500 -045.250 9 3 PARc national",
};

std::vector<std::string_view> Lines() { return {kFile.begin(), kFile.end()}; }

std::vector<std::string> Names(const std::vector<CityMatch>& found) {
  std::vector<std::string> names;
  for (const CityMatch& m : found) names.push_back(m.name);
  return names;
}

// Faults: a case-sensitive match, accents not folded, a blank line or ";" line listed.
TEST(CitySearchTest, NameSearch) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      // Any case, anywhere in the line; the line with ";" never comes.
      {"par", {"Paris", "PARc national"}},
      // The user lines all hold " 9 3 ".
      {"9 3", {"Maison", "PARc national"}},
      // Accents compare case-blind too (Ó is 0xD3, ó 0xF3).
      {"C\xD3RD", {"C\xF3rdoba"}},
      {"-002.35", {"Paris", "Maison"}},
      {"zzz", {}},
      {"", {}},
      // A blank query finds every city but no blank line.
      {" ", {"Buenos Aires", "C\xF3rdoba", "Paris", "Marseille", "Maison", "PARc national"}},
  };
  for (const auto& [query, names] : cases) {
    SCOPED_TRACE(query);
    EXPECT_EQ(Names(SearchCities(Lines(), query)), names);
  }
  // Each name comes with its whole line.
  const auto found = SearchCities(Lines(), "maison");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].line, "48.850 -002.350 9 3 Maison");
}

// Faults: the user section's header left out; the leading ";" kept.
TEST(CitySearchTest, CountryListInFileOrder) {
  const std::vector<std::string> expected = {" Argentine", " France", " Vide", " Villes d\xE9" "finies"};
  EXPECT_EQ(ListCountries(Lines()), expected);
}

// Faults: a block cut at an empty line or at a block end before any city.
TEST(CitySearchTest, CountryCities) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {" Argentine", {"Buenos Aires", "C\xF3rdoba"}},
      // The empty line inside the block adds no entry; a ";" in a name
      // does not keep a city out of its country.
      {"France", {"Paris", "Marseille", "Parthenay;ancienne"}},
      // The user section: its header is followed at once by "; ".
      {" Villes d\xE9" "finies", {"Maison", "PARc national"}},
      // A block that ends before any city reads on to the next block end
      // that follows a city.
      {" Vide", {"Maison", "PARc national"}},
      {" france", {}},
  };
  for (const auto& [country, names] : cases) {
    SCOPED_TRACE(country);
    EXPECT_EQ(Names(CountryCities(Lines(), country)), names);
  }
}

// Faults: the west-positive longitude not negated; a clamp dropped (centring: window test).
TEST(CitySearchTest, ChosenCityIsClamped) {
  struct Case { std::string line; double lat, lon_east; };
  const Case cases[] = {
      {"048.857 -002.351 0 0 Paris", 48.857, 2.351},
      {"-34.613 0058.377 0 0 Buenos Aires", -34.613, -58.377},
      {"95.000 -200.000 9 3 Trop loin", 90, 180},
      {"-95.000 200.000 9 3 Trop loin", -90, -180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const auto chosen = ChooseCity(c.line);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_NEAR(chosen->place.lat_deg, c.lat, 1e-9);
    EXPECT_NEAR(chosen->place.lon_east_deg, c.lon_east, 1e-9);
  }
  EXPECT_FALSE(ChooseCity("Paris").has_value());
  EXPECT_EQ(ChooseCity("048.857 -002.351 0 0 Paris")->name, "Paris");
}

}  // namespace
}  // namespace pellamar
