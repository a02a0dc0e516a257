// The data files shipped in data/, read through the program's own readers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "map/outline_file.h"
#include "places/city_file.h"

namespace pellamar {
namespace {

std::string ReadData(const char* name) {
  std::ifstream in(std::filesystem::path(PELLAMAR_SOURCE_DATA_DIR) / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class ShippedOutlineTest : public testing::TestWithParam<const char*> {};

// Catches a shipped outline with a break, a blank line, a comma decimal or a
// segment too long to draw.
TEST_P(ShippedOutlineTest, LoadsAndEverySegmentIsDrawable) {
  const std::string bytes = ReadData(GetParam());
  // CR LF line ends, no empty line (it would end the drawing), "." decimals.
  EXPECT_TRUE(bytes.ends_with("\r\n") && bytes.find("\r\n\r\n") == std::string::npos &&
              bytes.find(',') == std::string::npos);
  const OutlineLoad load = ParseOutline(bytes);
  const Outline& o = load.outline;  // loads whole, within capacity
  ASSERT_TRUE(load.status == OutlineStatus::Ok && o.size() > 1000u && o.size() < kOutlineCapacity)
      << o.size();
  for (std::size_t i = 0; i < o.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "line " << i + 1);
    if (o.x[i] > 1.0) {  // a break: between two points
      ASSERT_TRUE(i > 0 && i + 1 < o.size() && o.x[i - 1] <= 1.0);
      continue;
    }
    // x = 0 breaks the drawing or, with y = 0, ends the data.
    ASSERT_TRUE(o.x[i] > 0.0 && o.y[i] >= 0.0f && o.y[i] <= 0.70711f);
    if (i == 0 || o.x[i - 1] > 1.0) continue;
    // Degrees: y = (latitude + 90)/(180·√2). Longer than 0.5° or across
    // 180° would vanish when zoomed in (the files hold 0.499° plus rounding).
    const double dlon = (o.x[i] - o.x[i - 1]) * 360.0;
    const double dlat = (static_cast<double>(o.y[i]) - o.y[i - 1]) * 180.0 * std::sqrt(2.0);
    ASSERT_LE(std::hypot(dlon, dlat), 0.5);
  }
}

INSTANTIATE_TEST_SUITE_P(DataFiles, ShippedOutlineTest,
                         testing::Values("contours.Asc", "Iles.Asc", "Lacs.Asc", "rivieres.Asc", "totale.Asc"));

// Catches a shipped city line out of its fixed widths, an unbalanced block,
// a city out of place (latitude and longitude swapped, the west's sign
// flipped), English headings or byte order, boroughs or prefecture figures.
TEST(ShippedCitiesTest, EveryLineIsWellFormedAndKnownPlacesAreRight) {
  const std::string bytes = ReadData("Villes.txt");
  ASSERT_TRUE(bytes.ends_with(std::string(kUserSectionHeader) + "\r\n; \r\n"));
  // Thousandths in fixed widths, zeros after the sign; a category, never 3 or
  // 9 (they mark user cities); the reserved "0"; a name without ";" (such a
  // line is never drawn).
  const std::regex city_line(R"((\d{3}|-\d\d)\.\d{3} (\d{4}|-\d{3})\.\d{3} [0-24-8] 0 [^;]+)");
  std::vector<std::string> headings;
  std::map<std::string, CityRecord> records;  // by "heading/name", without the user section
  bool in_block = false;
  for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = bytes.substr(start, end - start);
    SCOPED_TRACE(line);
    const CityLineKind kind = ClassifyCityLine(line);
    if (line == " ") break;  // the user section follows
    if (kind != CityLineKind::City) {  // blocks open and close in turn
      ASSERT_EQ(kind, in_block ? CityLineKind::BlockEnd : CityLineKind::CountryHeading);
      if (!in_block) headings.push_back(line.substr(2));
      in_block = !in_block;
      continue;
    }
    const auto r = ParseCityLine(line);
    ASSERT_TRUE(in_block && std::regex_match(line, city_line) && r.has_value());
    EXPECT_TRUE(std::abs(r->latitude_deg) <= 90.0 && std::abs(r->lon_west_deg) <= 180.0);
    records[headings.back() + '/' + r->name] = *r;
  }
  EXPECT_FALSE(in_block);
  EXPECT_TRUE(records.size() > 4000u && headings.size() > 200u);
  // French headings in French order: letters first, accents and blanks aside.
  const char* in_order[] = {"Afghanistan", "Cor\xE9" "e du Sud", "C\xF4te d'Ivoire", "\xC9gypte", "Espagne",
                            "\xC9tats-Unis", "\xCEles Salomon", "Sainte-H\xE9l\xE8ne, Ascension et Tristan da Cunha",
                            "Saint-Vincent-et-les-Grenadines", "Zimbabwe"};
  std::vector<std::ptrdiff_t> at;
  for (const char* heading : in_order) {
    at.push_back(std::find(headings.begin(), headings.end(), heading) - headings.begin());
  }
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end()) && at.back() + 1 == std::ssize(headings))
      << testing::PrintToString(at);
  // Towns with their own figures, at their places (an atlas's, west
  // positive); not their boroughs nor a district under the town's name.
  struct Known { const char* place; char category; double lat_deg; double lon_west_deg; };
  const Known known[] = {
      {"France/Paris", '0', 48.857, -2.352},            {"Australie/Sydney", '2', -33.868, -151.209},
      {"Argentine/Buenos Aires", '0', -34.604, 58.382}, {"\xC9tats-Unis/New York", '1', 40.713, 74.006},
      {"Chine/Tai\x92" "an", '8', 36.19, -117.12},       {"Ta\xEFwan/Taoyuan", '5', 24.99, -121.3},
  };
  for (const Known& k : known) {
    const CityRecord& r = records[k.place];  // a missing place reads as a '0' at (0, 0)
    EXPECT_TRUE(r.category == k.category && std::abs(r.latitude_deg - k.lat_deg) < 0.05 &&
                std::abs(r.lon_west_deg - k.lon_west_deg) < 0.05) << k.place;
  }
  for (const char* place : {"\xC9tats-Unis/Brooklyn", "Cuba/Cerro", "Chine/Dadonghai", "Ta\xEFwan/Taoyuan City"}) {
    EXPECT_EQ(records.count(place), 0u) << place;
  }
}

}  // namespace
}  // namespace pellamar
