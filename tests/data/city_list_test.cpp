#include "convert/city_list.h"
#include "convert/cp1252.h"

#include <gtest/gtest.h>

namespace pellamar::tools {
namespace {

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
      {"Ga\xCC\x81rdenas", "Gardenas", 0},  // decomposed accent left out
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

TEST(Cp1252Test, FoldForSortingIgnoresCaseAndAccents) {
  EXPECT_EQ(FoldForSorting("\xCEles F\xE9ro\xE9 \x8C" "uvre \xC6ther"), "iles feroe oeuvre aether");
  EXPECT_LT(FoldForSorting("\xC9quateur"), FoldForSorting("Espagne"));
}

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

TEST(CityListTest, FixedWidthNumbers) {
  struct Case { double value; int width; const char* text; };
  const Case cases[] = {
      {48.85341, 7, "048.853"}, {-6.8, 7, "-06.800"},     {-0.0004, 7, "000.000"},
      {0.0005, 7, "000.001"},   {-2.3488, 8, "-002.349"}, {58.37723, 8, "0058.377"},
      {-180.0, 8, "-180.000"},  {180.0, 8, "0180.000"},   {-151.20732, 8, "-151.207"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatThousandths(c.value, c.width), c.text) << c.value;
}

TEST(CityListTest, SelectionNamesAndOrder) {
  const std::vector<PbfCity> places = {
      {2, "Paris", "FR", "PPLC", 2'138'551, 2.3488, 48.85341},
      {3, "Lyon", "FR", "PPLA", 522'250, 1, 2},      {4, "Marseille", "FR", "PPLA", 870'731, 1, 2},
      {5, "Arrondissement", "FR", "PPLX", 900'000, 1, 2},  // a district, not a town
      {6, "Tiny", "FR", "PPL", 2'000, 1, 2},         // the fourth largest town
      {7, "Elsewhere", "ZZ", "PPL", 5, 1, 2},        {8, "Egypt;Town", "EG", "PPL", 150'000, 1, 2},
      {9, "Cairo", "EG", "PPLC", 9'606'916, 31.24967, 30.06263},
      {10, "Pushkin", "EG", "PPL", 200'000, 1, 2},   {11, "Jerusalem", "IL", "PPLA", 801'000, 1, 2},
  };
  // A capital by hand, and a name that overrides the catalogue.
  const CityRules rules{.capitals = {{"IL", 11}}, .names = {{10, "Alexandre"}}};
  const auto blocks =
      SelectCities(places, {{"9", "Le Caire"}, {"10", "Pouchkine"}},
                   {{"FR", "France"}, {"EG", "\xC3\x89gypte"}, {"IL", "Isra\xC3\xABl"}}, rules);
  // Blocks by name without accents, then ZZ (no name known); cities by name.
  std::vector<std::string> seen;
  for (const CountryBlock& b : blocks) {
    seen.push_back("; " + b.name);
    for (const CityEntry& c : b.cities) seen.push_back(c.category + (' ' + c.name));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "; \xC9gypte", "6 Alexandre", "6 Egypt,Town", "0 Le Caire", "; France",
                      "4 Lyon", "4 Marseille", "0 Paris", "; Isra\xEBl", "0 Jerusalem", "; ZZ",
                      "8 Elsewhere"}));
  EXPECT_DOUBLE_EQ(blocks.at(0).cities.at(2).lon_west_deg, -31.24967);
}

}  // namespace
}  // namespace pellamar::tools
