#include "convert/city_list.h"
#include "convert/cp1252.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pellamar::tools {
namespace {

// Catches a wrong code point in the 0x80–0x9F table or a foreign letter kept.
TEST(Cp1252Test, EncodesAndTransliterates) {
  struct Case { const char* utf8; std::string cp1252; int dropped; };
  const Case cases[] = {
      {"Pékin Zürich Æ ß ÿ", "P\xE9kin Z\xFCrich \xC6 \xDF \xFF", 0},
      // The 0x80–0x9F block of Windows-1252.
      {"John’s €‚ Œuvre Šibenik Žilina Ÿ –—",
       "John\x92s \x80\x82 \x8Cuvre \x8A" "ibenik \x8Eilina \x9F \x96\x97", 0},
      // Letters the code page lacks become their base letter.
      {"Łódź Đà Nẵng Timișoara", "L\xF3" "dz D\xE0 Nang Timisoara", 0},
      {"Ōsaka İzmir Kırıkkale Gdańsk Győr", "Osaka Izmir Kirikkale Gdansk Gyor", 0},
      {"Ḩalab ẕ Hawaiʻi ĳ", "Halab z Hawai'i ij", 0},
      {"Ga\xCC\x81rdenas", "Gardenas", 0},
      {"cœur", "c\x9Cur", 0},  // œ and Œ are two bytes apart  // decomposed accent left out
      // Other scripts and broken bytes are left out, and counted.
      {"Москва X", " X", 6},
      {"A\xFF" "B\xC3", "AB", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    int dropped = -1;
    EXPECT_EQ(Utf8ToCp1252(c.utf8, &dropped), c.cp1252);
    EXPECT_EQ(dropped, c.dropped);
  }
}

// Catches an accent or a ligature not folded.
TEST(Cp1252Test, FoldForSortingIgnoresCaseAndAccents) {
  EXPECT_EQ(FoldForSorting("\xCEles F\xE9ro\xE9 \x8C" "uvre \xC6ther"), "iles feroe oeuvre aether");
}

// Catches byte order, or accents and blanks weighed before the letters.
TEST(Cp1252Test, FrenchDictionaryOrder) {
  // Each pair in order: letters decide first, then blanks and hyphens, then
  // accents and case.
  const std::pair<const char*, const char*> in_order[] = {
      {"Sainte-H\xE9l\xE8ne", "Saint-Vincent-et-les-Grenadines"},  // e before v, the hyphen aside
      {"Saint-Barth\xE9lemy", "Sainte-Lucie"},
      {"Guin\xE9" "e-Bissau", "Guin\xE9" "e \xC9quatoriale"},
      {"\xC9mirats arabes unis", "Espagne"},                        // \xC9 with E
      {"\xC9quateur", "\xC9rythr\xE9" "e"},
      {"Cor\xE9" "e du Sud", "C\xF4te d'Ivoire"},                  // r before t, the blanks aside
      {"\xCEle de Man", "\xCEles \xC5land"},
      {"Saint Martin", "Saint-Martin"},                            // same letters: the blank first
      {"Ana", "\xC2na"},                                           // then without accent first
      {"Bolivie", "bolivie"},                                      // then the capital first
      {"\x8C" "uvre", "Oman"},                                     // \x8C as oe
  };
  for (const auto& [first, second] : in_order) {
    SCOPED_TRACE(testing::Message() << first << " / " << second);
    EXPECT_TRUE(FrenchBefore(first, second));
    EXPECT_FALSE(FrenchBefore(second, first));
  }
  EXPECT_FALSE(FrenchBefore("Paris", "Paris"));
}

// Catches > for >= at each population threshold.
TEST(CityListTest, Categories) {
  struct Case { bool capital; std::uint64_t population; const char* code; char category; };
  const Case cases[] = {
      {true, 500, "PPLC", '0'}, {false, 5'000'000, "PPL", '1'}, {false, 4'999'999, "PPLA", '2'},
      {false, 1'000'000, "PPL", '2'}, {false, 999'999, "PPL", '4'}, {false, 500'000, "PPL", '4'},
      {false, 250'000, "PPL", '5'}, {false, 100'000, "PPL", '6'}, {false, 99'999, "PPLA", '7'},
      {false, 99'999, "PPLA2", '8'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.population << ' ' << c.code);
    EXPECT_EQ(CityCategory(c.capital, c.population, c.code), c.category);
  }
}

// Catches truncation for rounding and a lost sign or zero padding.
TEST(CityListTest, FixedWidthNumbers) {
  struct Case { double value; int width; const char* text; };
  const Case cases[] = {
      {48.85341, 7, "048.853"}, {-6.8, 7, "-06.800"},     {-0.0004, 7, "000.000"},
      {0.0005, 7, "000.001"},   {-2.3488, 8, "-002.349"}, {58.37723, 8, "0058.377"},
      {-180.0, 8, "-180.000"},  {180.0, 8, "0180.000"},   {-151.20732, 8, "-151.207"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatThousandths(c.value, c.width), c.text) << c.value;
}

// Catches a wrong radius or density and no wrap at the 180th meridian.
TEST(CityListTest, DistancesAndReach) {
  struct Distance { double lat1, lon1, lat2, lon2, km; };
  const Distance distances[] = {
      {0, 0, 1, 0, 111.195},                    // a degree of latitude
      {60, 0, 60, 1, 55.597},                   // a degree of longitude at 60°: half of it
      {0, 179.5, 0, -179.5, 111.195},           // across the 180th meridian, not round the world
      {48.8566, 2.3522, 51.5072, -0.1276, 343.53},  // Paris to London
      {-33.87, 151.21, -33.87, 151.21, 0.0},
  };
  for (const Distance& d : distances) {
    EXPECT_NEAR(DistanceKm(d.lat1, d.lon1, d.lat2, d.lon2), d.km, 0.01) << d.lat1 << ' ' << d.lon1;
    EXPECT_NEAR(DistanceKm(d.lat2, d.lon2, d.lat1, d.lon1), d.km, 0.01);
  }
  // The disc of the population at 6,000 per km², 3 km at the least.
  const std::pair<std::uint64_t, double> reaches[] = {
      {8'175'133, 20.826}, {1'000'000, 7.284}, {250'000, 3.642}, {144'753, 3.0}, {0, 3.0}};
  for (const auto& [population, km] : reaches) EXPECT_NEAR(TownReachKm(population), km, 0.001) << population;
}

// Catches an index form not read back or a common name ignored.
TEST(CityListTest, FrenchCountryNames) {
  const std::map<std::string, std::string> french = {
      {"South Korea", "Cor\xC3\xA9" "e du Sud"},
      {"Korea, Republic of", "Cor\xC3\xA9" "e, R\xC3\xA9publique de"},
      {"Solomon Islands", "Salomon, \xC3\x8Eles"},
      {"Christmas Island", "Christmas, \xC3\x8E" "le"},
      {"Micronesia, Federated States of", "Micron\xC3\xA9sie, \xC3\x89tats f\xC3\xA9" "d\xC3\xA9r\xC3\xA9s de"},
      {"Iran, Islamic Republic of", "Iran, R\xC3\xA9publique islamique d'"},
      {"Cook Islands", "\xC3\xAEles Cook"},
      {"Ecuador", "\xC3\xA9quateur"},
      {"Bonaire, Sint Eustatius and Saba", "Bonaire, Saint-Eustache et Saba"},
      {"Lao People's Democratic Republic", "Lao, R\xC3\xA9publique d\xC3\xA9mocratique populaire"},
  };
  struct Case { IsoCountry country; const char* heading; };
  const Case cases[] = {
      {{"Korea, Republic of", "South Korea"}, "Cor\xC3\xA9" "e du Sud"},  // the common name's translation
      {{"Lao People's Democratic Republic", "Laos"}, "Laos"},           // the common name untranslated
      {{"Solomon Islands", ""}, "\xC3\x8Eles Salomon"},                 // the index form read back
      {{"Christmas Island", ""}, "\xC3\x8Ele Christmas"},
      {{"Micronesia, Federated States of", ""}, "\xC3\x89tats f\xC3\xA9" "d\xC3\xA9r\xC3\xA9s de Micron\xC3\xA9sie"},
      {{"Iran, Islamic Republic of", ""}, "R\xC3\xA9publique islamique d'Iran"},  // no blank after d'
      {{"Cook Islands", ""}, "\xC3\x8Eles Cook"},                       // capital first letters
      {{"Ecuador", ""}, "\xC3\x89quateur"},
      {{"Bonaire, Sint Eustatius and Saba", ""}, "Bonaire, Saint-Eustache et Saba"},  // a list: as it is
      {{"Atlantis", ""}, "Atlantis"},                                  // not in the catalogue
  };
  for (const Case& c : cases) EXPECT_EQ(FrenchCountryName(c.country, french), c.heading) << c.country.name;
}

// The blocks as "; name" and "category name" lines.
std::vector<std::string> Listing(const std::vector<CountryBlock>& blocks) {
  std::vector<std::string> seen;
  for (const CountryBlock& b : blocks) {
    seen.push_back("; " + b.name);
    for (const CityEntry& c : b.cities) seen.push_back(c.category + (' ' + c.name));
  }
  return seen;
}

// Catches a catalogue name not applied, a suffix cut outside CN/TW, a wrong order.
TEST(CityListTest, SelectionNamesAndOrder) {
  const std::vector<PbfCity> places = {
      {2, "Paris", "FR", "PPLC", 2'138'551, 2.3488, 48.85341},
      {3, "Lyon", "FR", "PPLA", 522'250, 4.85, 45.75},
      {4, "Arrondissement", "FR", "PPLX", 900'000, 4, 46},  // a section of a town
      {5, "Boulogne", "FR", "PPL", 121'334, 2.24, 48.835},  // 8.2 km from Paris, within its 10.6
      {6, "Small", "FR", "PPL", 2'000, 5, 44},   // third largest once Boulogne is left out
      {7, "Smaller", "FR", "PPL", 1'999, 5, 43},
      {8, "Elsewhere", "ZZ", "PPL", 5, 1, 2},
      {8, "Egypt;Town", "EG", "PPL", 150'000, 30, 25},
      {9, "Cairo", "EG", "PPLC", 9'606'916, 31.24967, 30.06263},
      {10, "Pushkin", "EG", "PPL", 200'000, 33, 25},
      {11, "Jerusalem", "IL", "PPLA", 801'000, 35.2, 31.8},
      {12, "Taoyuan City", "TW", "PPLA2", 402'014, 121.3, 25.0},  // " City" is English for 市
      {13, "Kansas City", "US", "PPL", 475'378, -94.58, 39.1},     // the name itself
  };
  // A capital by hand, names that override the catalogue and the list.
  const CityRules rules{.capitals = {{"IL", 11}},
                        .names = {{10, "Alexandre"}},
                        .country_names = {{"IL", "Isra\xC3\xABl"}}};
  const auto blocks = SelectCities(
      places, {{"9", "Le Caire"}, {"10", "Pouchkine"}, {"5", "Boulogne-Billancourt"}},
      {{"FR", "France"}, {"EG", "\xC3\x89gypte"}, {"IL", "Israel"}, {"TW", "Ta\xC3\xAFwan"}, {"US", "\xC3\x89tats-Unis"}},
      rules);
  // Blocks by French name, then ZZ (no name known); cities by name.
  EXPECT_EQ(Listing(blocks), (std::vector<std::string>{
                                 "; \xC9gypte", "6 Alexandre", "6 Egypt,Town", "0 Le Caire",
                                 "; \xC9tats-Unis", "5 Kansas City",
                                 "; France", "4 Lyon", "0 Paris", "8 Small",
                                 "; Isra\xEBl", "0 Jerusalem", "; Ta\xEFwan", "5 Taoyuan", "; ZZ", "8 Elsewhere"}));
  EXPECT_DOUBLE_EQ(blocks.at(0).cities.at(2).lon_west_deg, -31.24967);
}

// Catches a borough kept or a seat or capital dropped within a reach.
TEST(CityListTest, PartsOfTownsAndRegionalSeats) {
  // New York and its boroughs; a national capital and a region's seat inside
  // the reach of a larger town stay; a seat far below 100,000 stays.
  const std::vector<PbfCity> places = {
      {1, "New York City", "US", "PPL", 8'175'133, -74.006, 40.714},
      {2, "Staten Island", "US", "PPLA2", 468'730, -74.140, 40.562},  // 20.3 km, within 20.8
      {3, "Brooklyn", "US", "PPLA2", 2'300'664, -73.950, 40.650},
      {4, "Yonkers", "US", "PPL", 200'370, -73.899, 40.931},          // 25.8 km: a town of its own
      {5, "Albany", "US", "PPLA", 97'856, -73.756, 42.653},
      {6, "Seatville", "US", "PPLA", 50'000, -74.006, 40.75},        // a seat 4 km away
      {7, "Washington", "US", "PPLC", 689'545, -74.0, 40.72},        // a capital 0.8 km away
      {8, "Venice", "IT", "PPLA", 51'298, 12.33265, 45.43713},
      {9, "Rome", "IT", "PPLC", 2'318'895, 12.4839, 41.89193},
      {10, "Milan", "IT", "PPLA", 1'236'837, 9.18951, 45.46427},
      {11, "Naples", "IT", "PPLA", 909'048, 14.26811, 40.85216},
      {12, "Bari", "IT", "PPLA", 277'387, 16.86982, 41.12066},
      {13, "Havana", "CU", "PPLC", 2'163'824, -82.38304, 23.13302},
      {14, "Cerro", "CU", "PPL", 132'351, -82.3866, 23.10809},         // 2.8 km
  };
  const auto blocks = SelectCities(places, {{"8", "Venise"}}, {}, {});
  EXPECT_EQ(Listing(blocks), (std::vector<std::string>{
                                 "; CU", "0 Havana", "; IT", "5 Bari", "2 Milan", "4 Naples", "0 Rome",
                                 "7 Venise", "; US", "7 Albany", "1 New York City", "7 Seatville",
                                 "0 Washington", "6 Yonkers"}));
}

// Catches a doubtful figure kept or lent by another doubtful place.
TEST(CityListTest, DoubtfulFiguresGiveWayToTheTownsOwn) {
  const std::vector<PbfCity> places = {
      {1, "Nanchong", "CN", "PPLA3", 7'150'000, 106.085, 30.795},   // a prefecture's figure
      {2, "Gaoping", "CN", "PPLA3", 204'368, 106.10, 30.77},        // 3.1 km: its district
      {3, "Dadonghai", "CN", "PPL", 2'000'000, 109.510, 18.221},
      {4, "Sanya", "CN", "PPLA2", 144'753, 109.505, 18.243},        // 2.5 km, the higher seat
      {5, "Tai'an", "CN", "PPL", 5'499'000, 117.12, 36.185},        // nothing within 10 km
      {6, "Far", "CN", "PPL", 900'000, 117.25, 36.185},             // 11.7 km from Tai'an
      {7, "Zhu Cheng City", "CN", "PPLA3", 1'000'000, 119.40259, 35.99502},
      {8, "Mizhou", "CN", "PPLA3", 109'968, 119.3975, 35.99472},    // 0.5 km
      {9, "Beijing", "CN", "PPLC", 11'716'620, 116.39723, 39.9075},
      {10, "Twin", "CN", "PPL", 3'000'000, 117.12, 36.23},        // 5 km from Tai'an, as doubtful
  };
  CityRules rules;
  rules.doubtful_populations = {1, 3, 5, 7, 10};
  std::vector<std::string> seen;
  for (const CountryBlock& b : SelectCities(places, {}, {}, rules)) {
    for (const CityEntry& c : b.cities) {
      seen.push_back(c.category + (' ' + c.name) + ' ' + std::to_string(c.population));
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"0 Beijing 11716620", "4 Far 900000", "6 Nanchong 204368",
                                            "6 Sanya 144753", "8 Tai'an 0", "8 Twin 0",
                                            "6 Zhu Cheng 109968"}));
}

// Catches the administrative ranks out of order: with equal figures the seat
// of the larger unit names the town, ahead of a larger stated population.
TEST(CityListTest, EqualFiguresGoToTheHigherSeat) {
  const std::vector<PbfCity> places = {
      {1, "District", "XX", "PPLA2", 300'000, 10.00, 20.00},
      {2, "Seat", "XX", "PPLA", 200'000, 10.01, 20.00},   // 1 km east
      {3, "Town", "XX", "PPL", 150'000, 10.00, 20.01},    // 1.1 km north
  };
  CityRules rules;
  rules.doubtful_populations = {1, 2};
  EXPECT_EQ(Listing(SelectCities(places, {}, {}, rules)), (std::vector<std::string>{"; XX", "6 Seat"}));
}

}  // namespace
}  // namespace pellamar::tools
