#include "places/city_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace pellamar {
namespace {

// Faults: fields read by position, a doubled blank splitting twice, a bad category taken.
TEST(CityFileTest, ParseCityLineSplitsOnBlanks) {
  struct Case { std::string line; double lat, lon_west; char category;
                std::string reserved, name; };
  const Case cases[] = {
      // The editor's own form of a user city, and the shipped form.
      {"48.850 -002.350 9 3 Paris", 48.85, -2.35, '9', "3", "Paris"},
      {"-34.613 0058.377 0 0 Buenos Aires", -34.613, 58.377, '0', "0", "Buenos Aires"},
      {"048.857 -002.351 0 0 Paris", 48.857, -2.351, '0', "0", "Paris"},
      // A longitude narrower than the latitude keeps its own value and the
      // class digit stays the class (read by position it gave -2.351).
      {"48.850 -2.35 1 x Name", 48.85, -2.35, '1', "x", "Name"},
      {"48.85 -2.35 1 x Name", 48.85, -2.35, '1', "x", "Name"},
      // A longitude wider than latitude + 1 keeps every digit: 2°59' E
      // written by the editor for a short latitude.
      {"1.5 -002.983 4 0 Wide", 1.5, -2.983, '4', "0", "Wide"},
      // The name keeps its blanks and whatever follows the reserved word.
      {"10.000 -020.000 5 0 Le  Caire ; x", 10.0, -20.0, '5', "0", "Le  Caire ; x"},
      // Doubled blanks between the fields are one separator.
      {"10.000  -020.000  5 0 Ici", 10.0, -20.0, '5', "0", "Ici"},
      // No name after the reserved word: the name is the whole line.
      {"10.000 -020.000 5 0", 10.0, -20.0, '5', "0", "10.000 -020.000 5 0"},
      {"10.000 -020.000 5 ", 10.0, -20.0, '5', "", "10.000 -020.000 5 "},
      // A blank after the reserved word and nothing more: an empty name.
      {"10.000 -020.000 5 0 ", 10.0, -20.0, '5', "0", ""},
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
  // Lines that cannot be split: no blank, no longitude, no category, a
  // category that is not one digit.
  for (const char* line : {"", " ", "Paris", "48.850 -002", "48.850 -002.350", "48.850 -002.350 ",
                           "48.850 -002.350 x 3 Name", "48.850 -002.350 10 3 Name"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ParseCityLine(line).has_value());
  }
}

// Faults: a blank or ";" line classed as a heading; the header compared as UTF-8.
TEST(CityFileTest, ClassifyCityLine) {
  const std::pair<std::string, CityLineKind> cases[] = {
      {"", CityLineKind::Empty}, {" ", CityLineKind::Empty}, {" \t ", CityLineKind::Empty},
      {"; France", CityLineKind::CountryHeading}, {";x", CityLineKind::CountryHeading},
      {";", CityLineKind::BlockEnd}, {";   \t", CityLineKind::BlockEnd},
      {std::string(kUserSectionHeader), CityLineKind::UserSectionHeader},
      // The header in UTF-8 is not the header.
      {"; Villes définies", CityLineKind::CountryHeading},
      {"048.857 -002.351 0 0 A;B", CityLineKind::City},
  };
  for (const auto& [line, kind] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(ClassifyCityLine(line), kind);
  }
}

// Faults: a CR inside a line taken as a line end; an empty last line added.
TEST(CityFileTest, SplitsCrLfAndLfLines) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\n\r\n \r\nb", {"a", "", " ", "b"}},
      {"", {}},
      // A CR inside a line is part of it.
      {"a\rb\r\n", {"a\rb"}},
  };
  for (const auto& [bytes, expected] : cases) {
    SCOPED_TRACE(bytes);
    const std::vector<std::string_view> lines = SplitCityLines(bytes);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), expected);
  }
}

// Faults: bytes translated in reading; a missing file or a folder read as empty.
TEST(CityFileTest, ReadsEveryByteOrNothing) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("pellamar_city_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(folder);
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::ofstream(folder / "Villes.txt", std::ios::binary) << all;
  EXPECT_EQ(ReadCityFile(folder / "Villes.txt"), all);
  EXPECT_FALSE(ReadCityFile(folder / "absent.txt").has_value());
  EXPECT_FALSE(ReadCityFile(folder).has_value());  // a folder is no file
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pellamar
