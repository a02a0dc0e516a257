#include "convert/pbf_cities.h"

#include <gtest/gtest.h>

namespace pellamar::tools {
namespace {

// Protobuf encoding helpers for building test messages.
std::string Varint(std::uint64_t v) {
  std::string out;
  do {
    std::uint8_t byte = v & 0x7F;
    v >>= 7;
    if (v != 0) byte |= 0x80;
    out.push_back(static_cast<char>(byte));
  } while (v != 0);
  return out;
}
std::string ZigZag(std::int64_t v) {
  return Varint((static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63));
}
std::string Field(int number, int wire) { return Varint(static_cast<std::uint64_t>(number << 3 | wire)); }
std::string Text(int number, const std::string& s) { return Field(number, 2) + Varint(s.size()) + s; }
std::string Framed(const std::string& message) { return Varint(message.size()) + message; }

TEST(PbfCitiesTest, Varints) {
  struct Case { std::string bytes; std::uint64_t value; };
  const Case cases[] = {
      {std::string(1, '\0'), 0}, {"\x7F", 127}, {"\x80\x01", 128}, {"\xAC\x02", 300},
      {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x01", UINT64_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    std::size_t pos = 0;
    EXPECT_EQ(ReadVarint(std::string_view(c.bytes.data(), c.bytes.size()), pos), c.value);
    EXPECT_EQ(pos, c.bytes.size());
  }
  std::size_t pos = 0;
  EXPECT_FALSE(ReadVarint("\x80\x80", pos).has_value());  // ends inside
  EXPECT_EQ(pos, 0u);
}

TEST(PbfCitiesTest, ZigZag) {
  const std::pair<std::uint64_t, std::int64_t> cases[] = {
      {0, 0}, {1, -1}, {2, 1}, {3, -2}, {4294967294u, 2147483647}, {4294967295u, -2147483648LL}};
  for (const auto& [encoded, value] : cases) EXPECT_EQ(ZigZagDecode(encoded), value) << encoded;
}

TEST(PbfCitiesTest, DecodesFieldsAndRunningCoordinateDeltas) {
  // Paris then Le Caire, coordinates as deltas from the previous city.
  const std::string paris = Field(1, 0) + ZigZag(2988507) + Text(2, "Paris") + Text(3, "FR") +
                            Text(4, "") + Field(5, 5) + std::string(4, '\0') +  // unknown 32-bit field
                            Text(7, "PPLC") + Field(9, 0) + Varint(2138551) +
                            Field(10, 0) + ZigZag(234880) + Field(11, 0) + ZigZag(4885341);
  const std::string cairo = Field(1, 0) + ZigZag(360630) + Text(2, "Cairo") + Text(3, "EG") +
                            Field(10, 0) + ZigZag(3124946 - 234880) + Field(11, 0) +
                            ZigZag(3004626 - 4885341) + Field(8, 1) + std::string(8, '\x01');
  const auto cities = DecodeCities(Framed(paris) + Framed(cairo));
  ASSERT_TRUE(cities.has_value());
  ASSERT_EQ(cities->size(), 2u);
  const PbfCity& p = (*cities)[0];
  EXPECT_EQ(p.geonames_id, 2988507);
  EXPECT_EQ(p.name, "Paris");
  EXPECT_EQ(p.country, "FR");
  EXPECT_EQ(p.feature_code, "PPLC");
  EXPECT_EQ(p.population, 2138551u);
  EXPECT_DOUBLE_EQ(p.lon_east_deg, 2.3488);
  EXPECT_DOUBLE_EQ(p.lat_deg, 48.85341);
  const PbfCity& c = (*cities)[1];
  EXPECT_EQ(c.name, "Cairo");
  EXPECT_DOUBLE_EQ(c.lon_east_deg, 31.24946);
  EXPECT_DOUBLE_EQ(c.lat_deg, 30.04626);
}

TEST(PbfCitiesTest, RejectsDamagedData) {
  const std::string good = Framed(Text(2, "A"));
  const std::string cases[] = {
      good.substr(0, good.size() - 1),    // message cut short
      Framed(Field(2, 2) + Varint(50)),   // string past the message
      Framed(Field(2, 3)),                // group wire type
      std::string("\x85"),                // length varint cut
  };
  for (const std::string& bytes : cases) EXPECT_FALSE(DecodeCities(bytes).has_value());
  const auto empty = DecodeCities("");
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->empty());
}

}  // namespace
}  // namespace pellamar::tools
