// The data files shipped in data/, read through the program's own readers.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "map/outline_file.h"
#include "places/city_file.h"

namespace pellamar {
namespace {

std::string ReadData(const char* name) {
  std::ifstream in(std::filesystem::path(PELLAMAR_SOURCE_DATA_DIR) / name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class ShippedOutlineTest : public testing::TestWithParam<const char*> {};

TEST_P(ShippedOutlineTest, LoadsAndEverySegmentIsDrawable) {
  const std::string bytes = ReadData(GetParam());
  // CR LF line ends, no empty line (it would end the drawing), "." decimals.
  ASSERT_TRUE(bytes.ends_with("\r\n"));
  EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find(','), std::string::npos);
  const OutlineLoad load = ParseOutline(bytes);
  const Outline& o = load.outline;  // loads whole, within capacity
  ASSERT_TRUE(load.status == OutlineStatus::Ok && o.size() > 1000u && o.size() < kOutlineCapacity)
      << o.size();
  for (std::size_t i = 0; i < o.size(); ++i) {
    if (o.x[i] > 1.0) {  // a break: between two points
      ASSERT_TRUE(i > 0 && i + 1 < o.size() && o.x[i - 1] <= 1.0) << "line " << i + 1;
      continue;
    }
    // x = 0 breaks the drawing or, with y = 0, ends the data.
    ASSERT_GT(o.x[i], 0.0) << "line " << i + 1;
    ASSERT_TRUE(o.y[i] >= 0.0f && o.y[i] <= 0.70711f) << "line " << i + 1;
    if (i == 0 || o.x[i - 1] > 1.0) continue;
    // Degrees: y = (latitude + 90)/(180·√2). Longer than 0.5° or across
    // 180° would vanish when zoomed in (the files hold 0.499° plus rounding).
    const double dlon = (o.x[i] - o.x[i - 1]) * 360.0;
    const double dlat = (static_cast<double>(o.y[i]) - o.y[i - 1]) * 180.0 * std::sqrt(2.0);
    ASSERT_LE(std::hypot(dlon, dlat), 0.5) << "segment ending at line " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(DataFiles, ShippedOutlineTest,
                         testing::Values("contours.Asc", "Iles.Asc", "Lacs.Asc", "rivieres.Asc",
                                         "totale.Asc"));

// The lines of the city file, CR LF removed.
class ShippedCitiesTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string bytes = ReadData("Villes.txt");
    ASSERT_TRUE(bytes.ends_with("\r\n"));
    for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
      end = bytes.find("\r\n", start);
      lines_.push_back(bytes.substr(start, end - start));
    }
  }
  std::vector<std::string> lines_;
};

TEST_F(ShippedCitiesTest, EveryLineParsesBackAsWritten) {
  ASSERT_GT(lines_.size(), 4000u);
  const std::vector<std::string> tail(lines_.end() - 4, lines_.end());
  EXPECT_EQ(tail, (std::vector<std::string>{" ", "; ", std::string(kUserSectionHeader), "; "}));
  std::size_t cities = 0, headings = 0;
  bool in_block = false;
  for (std::size_t i = 0; i + 4 < lines_.size(); ++i) {
    const std::string& line = lines_[i];
    SCOPED_TRACE(testing::Message() << "line " << i + 1 << ": " << line);
    const CityLineKind kind = ClassifyCityLine(line);
    if (kind != CityLineKind::City) {  // blocks open and close in turn
      ASSERT_EQ(kind, in_block ? CityLineKind::BlockEnd : CityLineKind::CountryHeading);
      headings += in_block ? 0 : 1;
      in_block = !in_block;
      continue;
    }
    ASSERT_TRUE(in_block);
    ++cities;
    ASSERT_EQ(line.find_first_of(";\r\n"), std::string::npos);  // such a line is never drawn
    const auto r = ParseCityLine(line);
    ASSERT_TRUE(r.has_value());
    // Written back with the fixed widths it is the same line: "lat lon category reserved name".
    char fields[32];
    std::snprintf(fields, sizeof fields, "%07.3f %08.3f %c %s ", r->latitude_deg, r->lon_west_deg,
                  r->category, r->reserved.c_str());
    EXPECT_EQ(fields + r->name, line);
    // Reserved "0"; never 3 or 9, which mark user cities; coordinates in range.
    EXPECT_TRUE(r->reserved == "0" && r->category != '3' && r->category != '9');
    EXPECT_TRUE(std::abs(r->latitude_deg) <= 90.0 && std::abs(r->lon_west_deg) <= 180.0);
    EXPECT_FALSE(r->name.empty() || r->name.starts_with(' '));
  }
  EXPECT_FALSE(in_block);
  EXPECT_GT(cities, 4000u);
  EXPECT_GT(headings, 200u);
}

TEST_F(ShippedCitiesTest, KnownCitiesAtTheirPlace) {
  // Positions from an atlas; longitudes west positive as the file keeps them.
  struct Known { const char* name; double lat_deg; double lon_west_deg; char category; };
  const Known known[] = {
      {"Paris", 48.857, -2.352, '0'},     {"Tokyo", 35.690, -139.692, '0'},
      {"Sydney", -33.868, -151.209, '2'}, {"Le Caire", 30.044, -31.236, '0'},
      {"Buenos Aires", -34.604, 58.382, '0'},
  };
  for (const Known& k : known) {
    SCOPED_TRACE(k.name);
    int found = 0;
    for (const std::string& line : lines_) {
      const auto r = ParseCityLine(line);  // by latitude too: Sydney, Nova Scotia
      if (!r || r->name != k.name || std::abs(r->latitude_deg - k.lat_deg) > 0.05) continue;
      ++found;
      EXPECT_NEAR(r->lon_west_deg, k.lon_west_deg, 0.05);
      EXPECT_EQ(r->category, k.category);
    }
    EXPECT_EQ(found, 1);
  }
}

}  // namespace
}  // namespace pellamar
