#include "convert/pbf_cities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace pellamar::tools {
namespace {

// Protobuf base-128 varint encoding, for building test messages.
std::string Varint(std::uint64_t v) {
  std::string out;
  for (; v >= 0x80; v >>= 7) out.push_back(static_cast<char>((v & 0x7F) | 0x80));
  return out + static_cast<char>(v);
}

// Catches a wrong continuation bit or a position moved on a cut varint.
TEST(PbfCitiesTest, Varints) {
  const std::pair<std::string, std::optional<std::uint64_t>> cases[] = {
      {std::string(1, '\0'), 0}, {"\x7F", 127}, {"\x80\x01", 128}, {"\xAC\x02", 300},
      {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x01", UINT64_MAX}, {"\x80\x80", std::nullopt},
  };
  for (const auto& [bytes, value] : cases) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    std::size_t pos = 0;
    EXPECT_EQ(ReadVarint(bytes, pos), value);
    EXPECT_EQ(pos, value ? bytes.size() : 0u);  // not moved when the bytes end inside
  }
}

// Catches deltas not summed or zigzag decoded wrongly.
TEST(PbfCitiesTest, DecodesFieldsAndRunningCoordinateDeltas) {
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
}

// Catches a length or a fixed-width field read past the end.
TEST(PbfCitiesTest, RejectsDamagedData) {
  // Cut short, a string past the message, a group wire type, a length cut.
  for (const char* bytes : {"\x03\x12\x01", "\x02\x12\x32", "\x01\x13", "\x85"}) {
    EXPECT_FALSE(DecodeCities(bytes).has_value()) << testing::PrintToString(bytes);
  }
  // A 64-bit field with only four bytes left.
  EXPECT_FALSE(DecodeCities(std::string("\x05\x09\0\0\0\0", 6)).has_value());
  const auto empty = DecodeCities("");
  EXPECT_TRUE(empty.has_value() && empty->empty());
}

}  // namespace
}  // namespace pellamar::tools
