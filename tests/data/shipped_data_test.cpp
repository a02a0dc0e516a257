// The data files shipped in data/, read through the program's own readers.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "map/outline_file.h"
#include "places/city_file.h"

namespace pellamar {
namespace {

const std::filesystem::path kDataDir = PELLAMAR_SOURCE_DATA_DIR;

// Sheet height in degrees per unit of y: y = (latitude + 90)/(180·√2).
constexpr double kDegPerY = 180.0 * 1.4142135623730951;
// Longest segment the drawing keeps whole when zoomed in, degrees; the
// files hold 0.499° plus rounding.
constexpr double kMaxSegmentDeg = 0.5;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class ShippedOutlineTest : public testing::TestWithParam<const char*> {};

TEST_P(ShippedOutlineTest, LoadsAndEverySegmentIsDrawable) {
  const std::filesystem::path path = kDataDir / GetParam();
  const std::string bytes = ReadAll(path);
  ASSERT_FALSE(bytes.empty()) << path;
  // CR LF line ends, no empty line (it would end the drawing), "." decimals.
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find(','), std::string::npos);

  const OutlineLoad load = ReadOutlineFile(path);
  ASSERT_EQ(load.status, OutlineStatus::Ok);
  const Outline& o = load.outline;
  ASSERT_GT(o.size(), 1000u);
  ASSERT_LE(o.size(), kOutlineCapacity - 1);

  std::size_t worst_at = 0;
  double worst = 0.0;
  for (std::size_t i = 0; i < o.size(); ++i) {
    if (o.x[i] > 1.0) {
      ASSERT_GT(i, 0u) << "break first";
      ASSERT_LE(o.x[i - 1], 1.0) << "two breaks at " << i;
      continue;
    }
    // x = 0 breaks the drawing or, with y = 0, ends the data.
    ASSERT_GT(o.x[i], 0.0) << "line " << i;
    ASSERT_GE(o.y[i], 0.0f) << "line " << i;
    ASSERT_LE(o.y[i], 0.70711f) << "line " << i;
    if (i == 0 || o.x[i - 1] > 1.0) continue;
    const double dlon = (o.x[i] - o.x[i - 1]) * 360.0;
    const double dlat = (static_cast<double>(o.y[i]) - o.y[i - 1]) * kDegPerY;
    const double length = std::hypot(dlon, dlat);
    if (length > worst) {
      worst = length;
      worst_at = i;
    }
  }
  EXPECT_LE(worst, kMaxSegmentDeg) << "segment ending at line " << worst_at;
  EXPECT_LE(o.x.back(), 1.0) << "ends on a break";
}

INSTANTIATE_TEST_SUITE_P(DataFiles, ShippedOutlineTest,
                         testing::Values("contours.Asc", "Iles.Asc", "Lacs.Asc", "rivieres.Asc",
                                         "totale.Asc"));

// The city file as lines, CR LF removed.
std::vector<std::string> CityLines() {
  const std::string bytes = ReadAll(kDataDir / "Villes.txt");
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));  // unterminated: shows up as a failure below
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

double Number(std::string_view text) {
  double v = 0.0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  EXPECT_TRUE(ec == std::errc() && ptr == text.data() + text.size()) << text;
  return v;
}

TEST(ShippedCitiesTest, EveryLineParsesBackAsWritten) {
  const std::vector<std::string> lines = CityLines();
  ASSERT_GT(lines.size(), 4000u);
  const std::vector<std::string> tail(lines.end() - 4, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{" ", "; ", std::string(kUserSectionHeader), "; "}));

  std::size_t cities = 0;
  std::size_t headings = 0;
  bool in_block = false;
  for (std::size_t i = 0; i + 4 < lines.size(); ++i) {
    const std::string& line = lines[i];
    SCOPED_TRACE(testing::Message() << "line " << i + 1 << ": " << line);
    ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
    switch (ClassifyCityLine(line)) {
      case CityLineKind::CountryHeading:
        ASSERT_FALSE(in_block);
        in_block = true;
        ++headings;
        continue;
      case CityLineKind::BlockEnd:
        ASSERT_TRUE(in_block);
        in_block = false;
        continue;
      case CityLineKind::City:
        break;
      default:
        FAIL() << "unexpected line kind";
    }
    ASSERT_TRUE(in_block);
    ASSERT_EQ(line.find(';'), std::string::npos);  // such a line is never drawn
    ++cities;
    // Written as "lat lon category reserved name" with fixed widths.
    ASSERT_GE(line.size(), 21u);
    ASSERT_EQ(line[7], ' ');
    ASSERT_EQ(line[16], ' ');
    ASSERT_EQ(line[18], ' ');
    ASSERT_EQ(line.substr(19, 2), "0 ");
    const auto record = ParseCityLine(line);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->latitude_deg, Number(std::string_view(line).substr(0, 7)));
    EXPECT_EQ(record->lon_west_deg, Number(std::string_view(line).substr(8, 8)));
    EXPECT_EQ(record->category, line[17]);
    EXPECT_NE(record->category, '3');  // reserved: "9 3" marks a user city
    EXPECT_NE(record->category, '9');
    EXPECT_EQ(record->reserved, "0");
    EXPECT_EQ(record->name, line.substr(21));
    EXPECT_FALSE(record->name.empty());
    EXPECT_NE(record->name.front(), ' ');
    EXPECT_LE(std::abs(record->latitude_deg), 90.0);
    EXPECT_LE(std::abs(record->lon_west_deg), 180.0);
  }
  EXPECT_FALSE(in_block);
  EXPECT_GT(cities, 4000u);
  EXPECT_GT(headings, 200u);
}

TEST(ShippedCitiesTest, KnownCitiesAtTheirPlace) {
  // Positions from an atlas; longitudes west positive as the file keeps them.
  struct Known { const char* name; double lat_deg; double lon_west_deg; char category; };
  const Known known[] = {
      {"Paris", 48.857, -2.352, '0'},
      {"Tokyo", 35.690, -139.692, '0'},
      {"Sydney", -33.868, -151.209, '2'},
      {"Le Caire", 30.044, -31.236, '0'},
      {"Buenos Aires", -34.604, 58.382, '0'},
  };
  const std::vector<std::string> lines = CityLines();
  for (const Known& k : known) {
    SCOPED_TRACE(k.name);
    int found = 0;
    for (const std::string& line : lines) {
      if (ClassifyCityLine(line) != CityLineKind::City) continue;
      const auto record = ParseCityLine(line);
      if (!record || record->name != k.name) continue;
      if (std::abs(record->latitude_deg - k.lat_deg) > 0.05) continue;  // Sydney, Nova Scotia
      ++found;
      EXPECT_NEAR(record->lon_west_deg, k.lon_west_deg, 0.05);
      EXPECT_EQ(record->category, k.category);
    }
    EXPECT_EQ(found, 1);
  }
}

}  // namespace
}  // namespace pellamar
