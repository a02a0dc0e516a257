#include "places/city_file.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace pellamar {
namespace {

TEST(CityFileTest, ParseCityLineSplitsByPositions) {
  struct Case { std::string line; double lat, lon_west; char category;
                std::string reserved, name; };
  const Case cases[] = {
      // The editor's own form of a user city, and the shipped form: latitude
      // on 7 characters, longitude on 8.
      {"48.850 -002.350 9 3 Paris", 48.85, -2.35, '9', "3", "Paris"},
      {"-34.613 0058.377 0 0 Buenos Aires", -34.613, 58.377, '0', "0", "Buenos Aires"},
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const auto record = ParseCityLine(c.line);
    ASSERT_TRUE(record.has_value());
    EXPECT_NEAR(record->latitude_deg, c.lat, 1e-9);
    EXPECT_NEAR(record->lon_west_deg, c.lon_west, 1e-9);
    EXPECT_EQ(std::tie(record->category, record->reserved, record->name),
              std::tie(c.category, c.reserved, c.name));
  }
  // Lines that cannot be split: no blank at all, none after the longitude,
  // no category after it, a category that is not a digit, no blank from four
  // characters past the first blank on.
  for (const char* line : {"", "Paris", "48.850 -002", "48.850 -002.350", "48.850 -002.350 ",
                           "48.850 -002.350 x 3 Name", "1 2 3"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ParseCityLine(line).has_value());
  }
}

TEST(CityFileTest, ClassifyCityLine) {
  const std::pair<std::string, CityLineKind> cases[] = {
      {"", CityLineKind::Empty},
      {"; France", CityLineKind::CountryHeading}, {";x", CityLineKind::CountryHeading},
      {";", CityLineKind::BlockEnd}, {";   \t", CityLineKind::BlockEnd},
      {std::string(kUserSectionHeader), CityLineKind::UserSectionHeader},
      // The blank line before the user section is a city line, as is any other.
      {" ", CityLineKind::City}, {"048.857 -002.351 0 0 A;B", CityLineKind::City},
  };
  for (const auto& [line, kind] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(ClassifyCityLine(line), kind);
  }
}

}  // namespace
}  // namespace pellamar
