// The data files shipped in data/, read through the program's own readers.

#include <gtest/gtest.h>

#include <algorithm>
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

// Catches a shipped outline with a break, a blank line, a comma decimal or a
// segment too long to draw.
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

// Catches a shipped city line the reader would misread, or an unbalanced block.
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

// Catches latitude and longitude swapped or the sign of the west flipped.
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

// The blocks of the file by heading (the text after "; "), each with its
// city records, in file order.
struct Block {
  std::string heading;
  std::vector<CityRecord> cities;
};

std::vector<Block> Blocks(const std::vector<std::string>& lines) {
  std::vector<Block> blocks;
  for (const std::string& line : lines) {
    const CityLineKind kind = ClassifyCityLine(line);
    if (kind == CityLineKind::CountryHeading) {
      blocks.push_back({line.substr(2), {}});
    } else if (kind == CityLineKind::City && !blocks.empty()) {
      if (const auto r = ParseCityLine(line)) blocks.back().cities.push_back(*r);
    }
  }
  return blocks;
}

const Block* Find(const std::vector<Block>& blocks, std::string_view heading) {
  for (const Block& b : blocks) {
    if (b.heading == heading) return &b;
  }
  return nullptr;
}

// Catches a file generated with English names or sorted as bytes.
TEST_F(ShippedCitiesTest, HeadingsInFrenchAndInFrenchOrder) {
  const std::vector<Block> blocks = Blocks(lines_);
  std::vector<std::string> headings;
  for (const Block& b : blocks) headings.push_back(b.heading);
  const auto at = [&](std::string_view heading) {
    const auto it = std::find(headings.begin(), headings.end(), heading);
    EXPECT_NE(it, headings.end()) << heading;
    return it - headings.begin();
  };
  // French usage, not the English or index forms.
  for (const char* heading : {"\xC9mirats arabes unis", "Arabie saoudite", "C\xF4te d'Ivoire", "\xC9tats-Unis",
                              "Chine", "Macao", "Cor\xE9" "e du Sud", "\xCEles Salomon", "Russie", "Syrie"}) {
    at(heading);
  }
  for (const char* english : {"Macau", "Saudi Arabia", "Salomon, \xCEles", "Russie, F\xE9" "d\xE9ration de"}) {
    EXPECT_EQ(std::find(headings.begin(), headings.end(), english), headings.end()) << english;
  }
  // Letters first: "Sainte-" before "Saint-V", accents and blanks aside.
  const std::pair<const char*, const char*> in_order[] = {
      {"Sainte-H\xE9l\xE8ne, Ascension et Tristan da Cunha", "Saint-Vincent-et-les-Grenadines"},
      {"\xC9gypte", "\xC9mirats arabes unis"},
      {"Espagne", "\xC9tats-Unis"},
      {"Cor\xE9" "e du Sud", "C\xF4te d'Ivoire"},
      {"Guin\xE9" "e-Bissau", "Guin\xE9" "e \xC9quatoriale"},
  };
  for (const auto& [first, second] : in_order) EXPECT_LT(at(first), at(second)) << first << " / " << second;
  // Accented initials sort with their letter, not after Z as bytes would.
  EXPECT_EQ(headings.front(), "Afghanistan");
  EXPECT_EQ(headings.back(), "Zimbabwe");
}

// Catches a file generated before boroughs and doubtful figures were dropped.
TEST_F(ShippedCitiesTest, TownsNotTheirPartsNorTheirRegionsFigures) {
  const std::vector<Block> blocks = Blocks(lines_);
  const auto names = [&](std::string_view heading) {
    std::vector<std::string> out;
    const Block* b = Find(blocks, heading);
    EXPECT_NE(b, nullptr) << heading;
    if (b != nullptr) {
      for (const CityRecord& c : b->cities) out.push_back(c.name);
    }
    return out;
  };
  const auto has = [](const std::vector<std::string>& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  struct Presence { const char* heading; const char* name; bool listed; };
  const Presence presence[] = {
      {"\xC9tats-Unis", "New York", true},   {"\xC9tats-Unis", "Brooklyn", false},
      {"\xC9tats-Unis", "Queens", false},    {"\xC9tats-Unis", "The Bronx", false},
      {"\xC9tats-Unis", "Staten Island", false},
      {"Bangladesh", "Dacca", true},         {"Bangladesh", "Paltan", false},
      {"Cuba", "La Havane", true},           {"Cuba", "Cerro", false},
      {"Chine", "Sanya", true},              {"Chine", "Dadonghai", false},
      {"Chine", "Zhu Cheng", true},          {"Chine", "Mizhou", false},
      {"Chine", "Zhu Cheng City", false},    {"Ta\xEFwan", "Taoyuan", true},
      {"Ta\xEFwan", "Taoyuan City", false},   {"Macao", "Macao", true},
      {"Italie", "Venise", true},            {"Sahara occidental", "La\xE2youne", true},
  };
  for (const Presence& p : presence) {
    EXPECT_EQ(has(names(p.heading), p.name), p.listed) << p.heading << ": " << p.name;
  }
  // Figures of whole prefectures no longer make category 1 towns.
  const Block* china = Find(blocks, "Chine");
  ASSERT_NE(china, nullptr);
  int checked = 0;
  for (const CityRecord& c : china->cities) {
    if (c.name == "Nanchong" || c.name == "Tai\x92" "an" || c.name == "Shantou") {
      ++checked;
      EXPECT_GT(c.category, '2') << c.name;
    }
    if (c.name == "Shanghai" || c.name == "Chongqing") EXPECT_EQ(c.category, '1') << c.name;
  }
  EXPECT_EQ(checked, 3);
}

}  // namespace
}  // namespace pellamar
