#include "places/city_file.h"

#include <gtest/gtest.h>

#include <string>

namespace pellamar {
namespace {

constexpr double kTol = 1e-9;

struct ParseCase {
  std::string line;
  double latitude_deg;
  double lon_west_deg;
  char category;
  std::string reserved;
  std::string name;
};

TEST(CityFileTest, ParseCityLineSplitsByPositions) {
  const ParseCase cases[] = {
      // The editor's own form of a user city.
      {"48.850 -002.350 9 3 Paris", 48.85, -2.35, '9', "3", "Paris"},
      // The shipped form: latitude on 7 characters, longitude on 8.
      {"048.857 -002.351 0 0 Paris", 48.857, -2.351, '0', "0", "Paris"},
      {"-34.613 0058.377 0 0 Buenos Aires", -34.613, 58.377, '0', "0", "Buenos Aires"},
      {"-33.868 -151.207 2 0 Sydney", -33.868, -151.207, '2', "0", "Sydney"},
      // Longitude narrower than latitude: the reader takes latitude width + 1
      // characters from the blank, so the class digit joins the longitude.
      {"48.850 -2.35 1 x Name", 48.85, -2.351, '1', "x", "Name"},
      // Equal widths: the blank after the longitude stops the number.
      {"48.85 -2.35 1 x Name", 48.85, -2.35, '1', "x", "Name"},
      // A longitude wider than latitude + 1 loses its last characters.
      {"1.5 -002.350 4 0 Cut", 1.5, -2.0, '4', "0", "Cut"},
      // The name keeps its blanks and whatever follows the reserved word.
      {"10.000 -020.000 5 0 Le  Caire ; x", 10.0, -20.0, '5', "0", "Le  Caire ; x"},
      // No blank after the reserved word: the name is the whole line.
      {"10.000 -020.000 5 0", 10.0, -20.0, '5', "0", "10.000 -020.000 5 0"},
      {"10.000 -020.000 5 ", 10.0, -20.0, '5', "", "10.000 -020.000 5 "},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.line);
    const auto record = ParseCityLine(c.line);
    ASSERT_TRUE(record.has_value());
    EXPECT_NEAR(record->latitude_deg, c.latitude_deg, kTol);
    EXPECT_NEAR(record->lon_west_deg, c.lon_west_deg, kTol);
    EXPECT_EQ(record->category, c.category);
    EXPECT_EQ(record->reserved, c.reserved);
    EXPECT_EQ(record->name, c.name);
  }
}

TEST(CityFileTest, ParseCityLineRejectsLinesThatCannotBeSplit) {
  const std::string lines[] = {
      "",
      "Paris",                    // no blank at all
      "48.850 -002",              // no blank after the longitude
      "48.850 -002.350",          // ditto
      "48.850 -002.350 ",         // blank but no category after it
      "48.850 -002.350 x 3 Name",  // category not a digit
      "1 2 3",                    // no blank at or after p1 + 4
  };
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ParseCityLine(line).has_value());
  }
}

TEST(CityFileTest, ClassifyCityLine) {
  const std::pair<std::string, CityLineKind> cases[] = {
      {"", CityLineKind::Empty},
      {"; France", CityLineKind::CountryHeading},
      {";x", CityLineKind::CountryHeading},
      {";", CityLineKind::BlockEnd},
      {"; ", CityLineKind::BlockEnd},
      {";   \t", CityLineKind::BlockEnd},
      {std::string(kUserSectionHeader), CityLineKind::UserSectionHeader},
      {" ", CityLineKind::City},  // the blank line before the user section
      {"048.857 -002.351 0 0 Paris", CityLineKind::City},
      {"048.857 -002.351 0 0 A;B", CityLineKind::City},
  };
  for (const auto& [line, kind] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(ClassifyCityLine(line), kind);
  }
}

}  // namespace
}  // namespace pellamar
