// The city file's converter: the GeoNames list, the name catalogues, the
// Windows-1252 names, and the selection, naming and order of the cities.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "convert/catalogs.h"
#include "convert/city_list.h"
#include "convert/cp1252.h"
#include "convert/pbf_cities.h"

namespace pellamar::tools {
namespace {

using namespace std::string_literals;

// Protobuf base-128 varint encoding, for building test messages.
std::string Varint(std::uint64_t v) {
  std::string out;
  for (; v >= 0x80; v >>= 7) out.push_back(static_cast<char>((v & 0x7F) | 0x80));
  return out + static_cast<char>(v);
}

// Catches the tenth byte of a varint refused, a position moved on a cut one,
// deltas not summed, zigzag decoded wrongly, a fixed-width field skipped by
// the wrong width, or a length read past the end.
TEST(PbfCitiesTest, DecodesRunningDeltasAndRejectsDamagedData) {
  std::size_t pos = 0;
  EXPECT_EQ(ReadVarint("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x01", pos), UINT64_MAX);
  EXPECT_EQ(pos, 10u);
  pos = 0;
  EXPECT_EQ(ReadVarint("\x80\x80", pos), std::nullopt);
  EXPECT_EQ(pos, 0u);
  // Fields: a varint, a zigzag-coded signed varint, a length-prefixed text.
  const auto num = [](int f, std::uint64_t v) { return Varint(f << 3) + Varint(v); };
  const auto zig = [&](int f, std::int64_t v) { return num(f, v < 0 ? -2 * v - 1 : 2 * v); };
  const auto text = [](int f, std::string s) { return Varint(f << 3 | 2) + Varint(s.size()) + s; };
  // Paris then Le Caire, coordinates as zigzag deltas from the previous city
  // (one negative); unknown 32-bit, 64-bit and empty fields skipped.
  const std::string paris = zig(1, 2988507) + text(2, "Paris") + text(3, "FR") + text(4, "") +
                            Varint(5 << 3 | 5) + std::string(4, '\0') + text(7, "PPLC") +
                            num(9, 2138551) + zig(10, 234880) + zig(11, 4885341);
  const std::string cairo = zig(1, 360630) + text(2, "Cairo") + zig(10, 3124946 - 234880) +
                            zig(11, 3004626 - 4885341) + Varint(8 << 3 | 1) + std::string(8, 1);
  const auto cities = DecodeCities(Varint(paris.size()) + paris + Varint(cairo.size()) + cairo);
  ASSERT_TRUE(cities.has_value() && cities->size() == 2u);
  const PbfCity& p = (*cities)[0];
  const PbfCity& c = (*cities)[1];
  EXPECT_EQ(std::tie(p.geonames_id, p.name, p.country, p.feature_code, p.population, c.name),
            std::make_tuple(2988507, "Paris", "FR", "PPLC", 2138551u, "Cairo"));
  const auto e5 = [](double deg) { return std::lround(deg * 1e5); };
  EXPECT_EQ(std::tuple(e5(p.lon_east_deg), e5(p.lat_deg), e5(c.lon_east_deg), e5(c.lat_deg)),
            std::tuple(234880L, 4885341L, 3124946L, 3004626L));
  // A message longer than the bytes, a string past its message, a group wire
  // type, a cut length, a 64-bit field with four bytes left.
  for (const std::string& bad : {"\x05\x08\x01"s, "\x02\x12\x32"s, "\x01\x13"s, "\x85"s, "\x05\x09\0\0\0\0"s}) {
    EXPECT_FALSE(DecodeCities(bad).has_value()) << testing::PrintToString(bad);
  }
  EXPECT_TRUE(DecodeCities("").value().empty());
}

using Entries = std::vector<std::pair<std::string, std::string>>;

// A compiled gettext catalogue holding the entries, in the given byte order.
std::string MoFile(const Entries& entries, bool big) {
  std::string out, data;
  const auto word = [&](std::size_t v) {
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>(v >> (big ? 24 - 8 * k : 8 * k)));
  };
  const std::size_t n = entries.size();  // the header, then the tables of ids and of translations
  const std::size_t header[] = {0x950412DE, 0, n, 28, 28 + 8 * n, 0, 0};
  for (const std::size_t v : header) word(v);
  for (const bool translation : {false, true}) {
    for (const auto& [id, text] : entries) {
      const std::string& s = translation ? text : id;
      word(s.size());
      word(28 + 16 * n + data.size());
      data += s + '\0';
    }
  }
  return out + data;
}

// Catches a byte order not swapped, the header or plural forms kept, or a
// length past the end trusted.
TEST(CatalogsTest, MoCatalogsInBothByteOrdersAndTheIsoCountryList) {
  const Entries entries = {{"", "Content-Type: text/plain\n"}, {"1816670", "P\xC3\xA9kin"},
                           {"360630", "Le Caire"}, {"one\0many"s, "x"}};
  const std::map<std::string, std::string> expected = {{"1816670", "P\xC3\xA9kin"}, {"360630", "Le Caire"}};
  EXPECT_EQ(ParseMoCatalog(MoFile(entries, false)), expected);
  EXPECT_EQ(ParseMoCatalog(MoFile(entries, true)), expected);
  EXPECT_FALSE(ParseMoCatalog("not a catalogue at all").has_value());
  std::string mo = MoFile({{"1", "a"}}, false);
  mo[36] = '\x7F';  // the translation's length, far past the end
  EXPECT_FALSE(ParseMoCatalog(mo).has_value());

  // Catches a wrong UTF-8 length boundary, a surrogate pair decoded without its
  // 0x10000 offset, an entry without a name kept, the first of two entries
  // kept, or a malformed list accepted.
  const auto countries = ParseIsoCountries(R"({"3166-1": [
      {"alpha_2": "FR", "alpha_3": "FRA", "name": "France", "numeric": "250"},
      {"alpha_2": "KR", "common_name": "South Korea", "name": "Korea, Republic of"},
      {"alpha_2": "CI", "name": "C\u00f4te d'Ivoire", "official_name": "R\u00e9publique"},
      {"alpha_3": "XXX", "name": "No code"}, {"alpha_2": "XN"},
      {"alpha_2": "GB", "name": "Old"}, {"alpha_2": "GB", "name": "United Kingdom"},
      {"alpha_2": "ZZ", "name": "Z\u0800\ud83d\ude00\n\/\uffff"}]})");
  ASSERT_TRUE(countries.has_value());
  std::vector<std::string> seen;
  for (const auto& [code, c] : *countries) seen.push_back(code + '|' + c.name + '|' + c.common_name);
  EXPECT_EQ(seen, (std::vector<std::string>{"CI|C\xC3\xB4te d'Ivoire|", "FR|France|", "GB|United Kingdom|",
                                            "KR|Korea, Republic of|South Korea",
                                            "ZZ|Z\xE0\xA0\x80\xF0\x9F\x98\x80\n/\xEF\xBF\xBF|"}));  // 3 and 4 bytes
  for (const char* bad : {"", "[]", R"({"3166-2": []})", R"({"3166-1": [{"alpha_2": 3}]})",
                          R"({"3166-1": []} trailing)", R"({"3166-1": [{"alpha_2": "FR")",
                          R"({"3166-1": [], "3166-1": []})"}) {
    EXPECT_FALSE(ParseIsoCountries(bad).has_value()) << bad;
  }
}

// Catches a wrong code point in the 0x80–0x9F table, a foreign letter kept or
// a lost character not counted.
TEST(Cp1252Test, EncodesTransliteratesAndSortsTheFrenchWay) {
  struct Case { const char* utf8; std::string cp1252; int dropped; };
  const Case cases[] = {
      {"Pékin Zürich Æ ß ÿ\u00A0John’s €‚ Œuvre cœur Šibenik Žilina Ÿ –—",
       "P\xE9kin Z\xFCrich \xC6 \xDF \xFF\xA0John\x92s \x80\x82 \x8Cuvre c\x9Cur "
       "\x8Aibenik \x8Eilina \x9F \x96\x97", 0},
      // Letters the code page lacks become their base letter; a decomposed
      // accent is left out.
      {"Łódź Đà Nẵng Timișoara Ōsaka İzmir Kırıkkale Gdańsk Győr Ḩalab ẕ ẖ Hawaiʻi ĳ "
       "Ga\xCC\x81rdenas",
       "L\xF3" "dz D\xE0 Nang Timisoara Osaka Izmir Kirikkale Gdansk Gyor Halab z h Hawai'i ij Gardenas", 0},
      // Other scripts and broken bytes are left out, and counted.
      {"Москва X", " X", 6},
      {"A\xC3" "B\xFF\xC3", "AB", 3},  // a lead byte before B, a stray byte, a cut sequence
  };
  for (const Case& c : cases) {
    int dropped = -1;
    EXPECT_EQ(Utf8ToCp1252(c.utf8, &dropped), c.cp1252);
    EXPECT_EQ(dropped, c.dropped) << c.utf8;
  }

  // Catches byte order, or accents and blanks weighed before the letters.
  // Each pair in order: letters decide first (e before v, r before t, \xC9
  // with E, \x8C as oe, \xC6 as ae, \xDE as t), then blanks and hyphens (the blank
  // first), then accents (none first) and case (the capital first).
  const std::pair<const char*, const char*> in_order[] = {
      {"Sainte-H\xE9l\xE8ne", "Saint-Vincent"}, {"\xC9mirats arabes unis", "Espagne"},
      {"Cor\xE9" "e du Sud", "C\xF4te d'Ivoire"}, {"\xC9vry Courcouronnes", "Evry-Courcouronnes"},
      {"Ana", "\xC2na"}, {"Bolivie", "bolivie"}, {"\xDEingvellir", "Uppsala"},
      {"\x8C" "uvre", "Oman"}, {"\xC6sope", "Afrique"}, {"Zagreb", "zz"},
  };
  for (const auto& [first, second] : in_order) {
    EXPECT_TRUE(FrenchBefore(first, second) && !FrenchBefore(second, first)) << first << " / " << second;
  }
  EXPECT_FALSE(FrenchBefore("Paris", "Paris"));
}

// Catches > for >= at a population threshold, a wrong radius or density.
TEST(CityListTest, CategoriesReachesAndFixedWidthFields) {
  struct Category { bool capital; std::uint64_t population; const char* code; char category; };
  const Category categories[] = {
      {true, 500, "PPLC", '0'},       {false, 5'000'000, "PPL", '1'}, {false, 4'999'999, "PPLA", '2'},
      {false, 1'000'000, "PPL", '2'}, {false, 999'999, "PPL", '4'},   {false, 500'000, "PPL", '4'},
      {false, 250'000, "PPL", '5'},   {false, 100'000, "PPL", '6'},   {false, 99'999, "PPLA", '7'},
      {false, 99'999, "PPLA2", '8'},
  };
  for (const Category& c : categories) {
    EXPECT_EQ(CityCategory(c.capital, c.population, c.code), c.category) << c.population << ' ' << c.code;
  }
  EXPECT_NEAR(DistanceKm(48.8566, 2.3522, 51.5072, -0.1276), 343.53, 0.01);  // Paris to London
  EXPECT_NEAR(DistanceKm(60, 0, 60, 1), 55.597, 0.001);  // a degree of longitude at 60°: half of 111.195
  // The disc of the population at 6,000 per km², 3 km at the least.
  EXPECT_NEAR(TownReachKm(8'175'133), 20.826, 0.001);
  EXPECT_NEAR(TownReachKm(144'753), 3.0, 1e-9);

  // Catches truncation for rounding, a lost sign or zero padding, a field of
  // the wrong width, or a block or the user section written wrongly.
  struct Case { double value; int width; const char* text; };
  const Case cases[] = {
      {-6.8, 7, "-06.800"},      {-0.0004, 7, "000.000"},  {0.0005, 7, "000.001"},
      {58.37723, 8, "0058.377"}, {-180.0, 8, "-180.000"}, {-151.20732, 8, "-151.207"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatThousandths(c.value, c.width), c.text) << c.value;
  EXPECT_EQ(FormatCityFile({{"FR", "France", {{1, 48.85341, -2.3488, '0', 0, "Paris"}}}}),
            "; France\r\n048.853 -002.349 0 0 Paris\r\n; \r\n \r\n; \r\n; Villes d\xE9" "finies\r\n; \r\n");
}

// Catches an index form not read back, a common name ignored or a first
// letter left in lower case.
TEST(CityListTest, FrenchCountryNames) {
  // The catalogue, by common name if any; Laos and Atlantis are not in it.
  const std::map<std::string, std::string> french = {
      {"South Korea", "Cor\xC3\xA9" "e du Sud"}, {"Solomon Islands", "Salomon, \xC3\x8Eles"},
      {"Christmas Island", "Christmas, \xC3\x8E" "le"}, {"Palestine", "Palestine, \xC3\x89tat de"},
      {"Netherlands", "Pays-Bas, Royaume des"}, {"Iran", "Iran, R\xC3\xA9publique islamique d'"},
      {"Cook Islands", "\xC3\xAEles Cook"}, {"Ecuador", "\xC3\xA9quateur"},
      {"Bonaire", "bonaire, Saint-Eustache et Saba"},  // a list
  };
  const std::pair<IsoCountry, const char*> cases[] = {
      {{"Korea, Republic of", "South Korea"}, "Cor\xC3\xA9" "e du Sud"},
      {{"Lao People's Democratic Republic", "Laos"}, "Laos"},
      {{"Solomon Islands", ""}, "\xC3\x8Eles Salomon"}, {{"Christmas Island", ""}, "\xC3\x8Ele Christmas"},
      {{"Palestine", ""}, "\xC3\x89tat de Palestine"}, {{"Netherlands", ""}, "Royaume des Pays-Bas"},
      {{"Iran", ""}, "R\xC3\xA9publique islamique d'Iran"}, {{"Cook Islands", ""}, "\xC3\x8Eles Cook"},
      {{"Ecuador", ""}, "\xC3\x89quateur"}, {{"Bonaire", ""}, "Bonaire, Saint-Eustache et Saba"},
      {{"Atlantis", ""}, "Atlantis"},
  };
  for (const auto& [country, heading] : cases) {
    EXPECT_EQ(FrenchCountryName(country, french), heading) << country.name;
  }
}

// The blocks as "; name" and "category name figure" lines.
std::vector<std::string> Listing(const std::vector<CountryBlock>& blocks) {
  std::vector<std::string> seen;
  for (const CountryBlock& b : blocks) {
    seen.push_back("; " + b.name);
    for (const CityEntry& c : b.cities) {
      char figure[24];
      char* end = std::to_chars(figure, figure + sizeof figure, c.population).ptr;
      seen.push_back(c.category + (' ' + c.name) + ' ' + std::string(figure, end));
    }
  }
  return seen;
}

// Catches a non-town, a borough or a fourth small place kept, a seat or a
// capital within a reach dropped, a name or a capital by hand not applied, a
// suffix cut outside CN/TW, a ";" or blanks kept, an empty block written,
// east longitude kept, or blocks and cities out of order.
TEST(CityListTest, SelectionNamesAndOrder) {
  std::vector<PbfCity> places = {
      {2, "Paris", "FR", "PPLC", 2'138'551, 2.3488, 48.85341}, {3, "Lyon", "FR", "PPLA", 522'250, 4.85, 45.75},
      {5, "Boulogne", "FR", "PPL", 121'334, 2.24, 48.835},  // 8.2 km from Paris, within its 10.6
      {6, "Small", "FR", "PPL", 2'000, 5, 44},   // third largest once Boulogne is left out
      {7, "Smaller", "FR", "PPL", 1'999, 5, 43}, {8, "Elsewhere", "ZZ", "PPL", 5, 1, 2},
      {8, " Egypt;\t\u00A0Town ", "EG", "PPL", 150'000, 30, 25},
      {9, "Cairo", "EG", "PPLC", 9'606'916, 31.24967, 30.06263}, {10, "Pushkin", "EG", "PPL", 200'000, 33, 25},
      {14, "Hundred", "EG", "PPL", 100'000, 32, 27},  // fourth, listed for its figure
      {11, "Jerusalem", "IL", "PPLA", 801'000, 35.2, 31.8}, {25, "Albany", "US", "PPLA", 97'856, -73.756, 42.653},
      {12, "Taoyuan City", "TW", "PPLA2", 402'014, 121.3, 25.0},  // " City" is English for 市
      {13, "Kansas City", "US", "PPL", 475'378, -94.58, 39.1},     // the name itself
      {21, "New York City", "US", "PPL", 8'175'133, -74.006, 40.714},
      {22, "Staten Island", "US", "PPLA2", 468'730, -74.140, 40.562},  // 20.3 km, within 20.8
      {24, "Yonkers", "US", "PPL", 200'370, -73.899, 40.931},          // 25.8 km: a town of its own
      {26, "Seatville", "US", "PPLA", 50'000, -74.006, 40.75},        // a seat 4 km away
      {27, "Washington", "US", "PPLC", 689'545, -74.0, 40.72},        // a capital 0.8 km away
      {28, "Springfield", "US", "PPL", 150'000, -89.65, 39.8},        // one name: the larger first
      {29, "Springfield", "US", "PPL", 155'000, -72.59, 42.1},
      {30, "\u041C\u043E\u0441\u043A\u0432\u0430", "RU", "PPLC", 10'000'000, 37.6, 55.8},  // no name: no block
  };
  for (const char* not_a_town : {"PPLX", "PPLH", "PPLQ", "PPLW", "PPLCH"}) {
    places.push_back({20, "Gone", "FR", not_a_town, 900'000, 4, 46});
  }
  const CityRules rules{
      .capitals = {{"IL", 11}}, .names = {{10, "Alexandre"}}, .country_names = {{"IL", "Isra\xC3\xABl"}}};
  const auto blocks = SelectCities(places, {{"9", "Le Caire"}, {"10", "Pouchkine"}, {"5", "Boulogne-Billancourt"}},
                                   {{"FR", "France"}, {"EG", "\xC3\x89gypte"}, {"IL", "Israel"},
                                    {"TW", "Ta\xC3\xAFwan"}, {"US", "\xC3\x89tats-Unis"}},
                                   rules);
  // Blocks by French name, then ZZ (no name known); cities by name.
  EXPECT_EQ(Listing(blocks),
            (std::vector<std::string>{
                "; \xC9gypte", "6 Alexandre 200000", "6 Egypt, Town 150000", "6 Hundred 100000",
                "0 Le Caire 9606916", "; \xC9tats-Unis", "7 Albany 97856", "5 Kansas City 475378",
                "1 New York City 8175133", "7 Seatville 50000", "6 Springfield 155000", "6 Springfield 150000",
                "0 Washington 689545", "6 Yonkers 200370", "; France", "4 Lyon 522250", "0 Paris 2138551",
                "8 Small 2000", "; Isra\xEBl", "0 Jerusalem 801000", "; Ta\xEFwan", "5 Taoyuan 402014",
                "; ZZ", "8 Elsewhere 5"}));
  EXPECT_DOUBLE_EQ(blocks.at(0).cities.at(3).lon_west_deg, -31.24967);
}

// Catches a doubtful figure kept or lent by another doubtful place, or the
// administrative ranks out of order: with equal figures the seat of the
// larger unit names the town, ahead of a larger stated population.
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
      {10, "Twin", "CN", "PPL", 3'000'000, 117.12, 36.23},          // 5 km from Tai'an, as doubtful
      {9, "Beijing", "CN", "PPLC", 11'716'620, 116.39723, 39.9075},
      {11, "District", "XX", "PPLA2", 300'000, 10.00, 20.00},
      {12, "Seat", "XX", "PPLA", 200'000, 10.01, 20.00},            // 1 km east
      {13, "Town", "XX", "PPL", 150'000, 10.00, 20.01},             // 1.1 km north
      {14, "Ward", "XY", "PPLA3", 90'000, 10.00, 30.00},            // doubtful: the village's figure
      {15, "Village", "XY", "PPL", 120'000, 10.00, 30.01},
  };
  const CityRules rules{.doubtful_populations = {1, 3, 5, 7, 10, 11, 12, 14}};
  EXPECT_EQ(Listing(SelectCities(places, {}, {}, rules)),
            (std::vector<std::string>{"; CN", "0 Beijing 11716620", "4 Far 900000", "6 Nanchong 204368",
                                      "6 Sanya 144753", "8 Tai'an 0", "8 Twin 0", "6 Zhu Cheng 109968",
                                      "; XX", "6 Seat 150000", "; XY", "6 Ward 120000"}));
}

}  // namespace
}  // namespace pellamar::tools
