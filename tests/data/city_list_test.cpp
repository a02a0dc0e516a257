#include "convert/city_list.h"

#include <gtest/gtest.h>

#include "places/city_file.h"

namespace pellamar::tools {
namespace {

TEST(CityListTest, Categories) {
  struct Case { bool capital; std::uint64_t population; const char* code; char category; };
  const Case cases[] = {
      {true, 500, "PPLC", '0'},          {true, 20'000'000, "PPLC", '0'},
      {false, 5'000'000, "PPL", '1'},    {false, 4'999'999, "PPLA", '2'},
      {false, 1'000'000, "PPL", '2'},    {false, 999'999, "PPL", '4'},
      {false, 500'000, "PPL", '4'},      {false, 250'000, "PPL", '5'},
      {false, 100'000, "PPL", '6'},      {false, 99'999, "PPLA", '7'},
      {false, 99'999, "PPLA2", '8'},     {false, 0, "PPL", '8'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.population << ' ' << c.code);
    EXPECT_EQ(CityCategory(c.capital, c.population, c.code), c.category);
  }
}

TEST(CityListTest, FixedWidthNumbers) {
  struct Case { double value; int width; const char* text; };
  const Case cases[] = {
      {48.85341, 7, "048.853"}, {-33.86785, 7, "-33.868"}, {-6.8, 7, "-06.800"},
      {0.0004, 7, "000.000"},   {-0.0004, 7, "000.000"},  {90.0, 7, "090.000"},
      {-2.3488, 8, "-002.349"}, {58.37723, 8, "0058.377"}, {-180.0, 8, "-180.000"},
      {180.0, 8, "0180.000"},   {0.0005, 7, "000.001"},   {-151.20732, 8, "-151.207"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatThousandths(c.value, c.width), c.text);
  }
}

TEST(CityListTest, CityLinesReadBackThroughTheProgramsRule) {
  // Extremes of both fields: every digit of the longitude must be read.
  const double lats[] = {-89.999, -33.868, -0.001, 0.0, 9.5, 48.853, 90.0};
  const double lons[] = {-180.0, -151.207, -2.349, -0.001, 0.0, 58.377, 179.999};
  for (const double lat : lats) {
    for (const double lon : lons) {
      SCOPED_TRACE(testing::Message() << lat << ' ' << lon);
      const std::string line = FormatCityLine(lat, lon, '6', "0", "Saint-Jean d'Acre");
      const auto record = ParseCityLine(line);
      ASSERT_TRUE(record.has_value());
      EXPECT_DOUBLE_EQ(record->latitude_deg, lat);
      EXPECT_DOUBLE_EQ(record->lon_west_deg, lon);
      EXPECT_EQ(record->category, '6');
      EXPECT_EQ(record->reserved, "0");
      EXPECT_EQ(record->name, "Saint-Jean d'Acre");
    }
  }
}

PbfCity Place(std::int64_t id, const char* name, const char* country, const char* code,
              std::uint64_t population, double lon = 1.0, double lat = 2.0) {
  return {id, name, country, code, population, lon, lat};
}

TEST(CityListTest, SelectionNamesAndOrder) {
  const std::vector<PbfCity> places = {
      Place(1, "Small", "FR", "PPL", 1'200),
      Place(2, "Paris", "FR", "PPLC", 2'138'551, 2.3488, 48.85341),
      Place(3, "Lyon", "FR", "PPLA", 522'250),
      Place(4, "Marseille", "FR", "PPLA", 870'731),
      Place(5, "Arrondissement", "FR", "PPLX", 900'000),  // a district, not a town
      Place(6, "Tiny", "FR", "PPL", 2'000),               // fourth largest town
      Place(7, "Elsewhere", "ZZ", "PPL", 5),
      Place(8, "Egypt;Town", "EG", "PPL", 150'000),
      Place(9, "Cairo", "EG", "PPLC", 9'606'916, 31.24967, 30.06263),
      Place(10, "Pushkin", "EG", "PPL", 200'000),
      Place(11, "Jerusalem", "IL", "PPLA", 801'000),
  };
  const std::map<std::string, std::string> french = {{"9", "Le Caire"}, {"10", "Pouchkine"}};
  const std::map<std::string, std::string> countries = {
      {"FR", "France"}, {"EG", "\xC3\x89gypte"}, {"IL", "Isra\xC3\xABl"}};
  CityRules rules;
  rules.capitals = {{"IL", 11}};
  rules.names = {{10, "Alexandre"}};
  const auto blocks = SelectCities(places, french, countries, rules);

  ASSERT_EQ(blocks.size(), 4u);
  // Sorted by name without accents: Égypte, France, Israël, then ZZ (no name known).
  EXPECT_EQ(blocks[0].name, "\xC9gypte");
  EXPECT_EQ(blocks[1].name, "France");
  EXPECT_EQ(blocks[2].name, "Isra\xEBl");
  EXPECT_EQ(blocks[3].name, "ZZ");

  std::vector<std::string> egypt;
  for (const CityEntry& c : blocks[0].cities) egypt.push_back(c.name);
  EXPECT_EQ(egypt, (std::vector<std::string>{"Alexandre", "Egypt,Town", "Le Caire"}));
  EXPECT_EQ(blocks[0].cities[2].category, '0');
  EXPECT_DOUBLE_EQ(blocks[0].cities[2].lon_west_deg, -31.24967);

  std::vector<std::string> france;
  for (const CityEntry& c : blocks[1].cities) france.push_back(c.name);
  // The three largest towns and the capital; Tiny is fourth, the district is out.
  EXPECT_EQ(france, (std::vector<std::string>{"Lyon", "Marseille", "Paris"}));
  EXPECT_EQ(blocks[2].cities.at(0).category, '0');  // capital by hand
}

TEST(CityListTest, FileLayoutEndsWithTheEmptyUserSection) {
  CountryBlock block{"FR", "France", {{2, 48.85341, -2.3488, '0', 2'138'551, "Paris"}}};
  const std::string text = FormatCityFile({block});
  EXPECT_EQ(text,
            "; France\r\n"
            "048.853 -002.349 0 0 Paris\r\n"
            "; \r\n"
            " \r\n"
            "; \r\n"
            "; Villes d\xE9" "finies\r\n"
            "; \r\n");
  EXPECT_EQ(pellamar::ClassifyCityLine("; France"), pellamar::CityLineKind::CountryHeading);
}

}  // namespace
}  // namespace pellamar::tools
