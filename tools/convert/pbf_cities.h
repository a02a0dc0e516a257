#pragma once

// Decoding of the GeoNames city list shipped as cities.pbf: a sequence of
// protobuf messages, each preceded by its length as a varint.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellamar::tools {

// Reads a base-128 varint (least significant group first) at `pos`, moving
// `pos` past it. Nothing, `pos` unchanged, when the bytes end inside it or
// it runs past 10 bytes.
[[nodiscard]] std::optional<std::uint64_t> ReadVarint(std::string_view bytes, std::size_t& pos);

// Protobuf "sint" zig-zag decoding: 0, 1, 2, 3 → 0, −1, 1, −2.
[[nodiscard]] constexpr std::int64_t ZigZagDecode(std::uint64_t n) {
  return static_cast<std::int64_t>(n >> 1) ^ -static_cast<std::int64_t>(n & 1);
}

struct PbfCity {
  std::int64_t geonames_id = 0;  // field 1
  std::string name;              // field 2, UTF-8
  std::string country;           // field 3, ISO 3166-1 alpha-2
  std::string feature_code;      // field 7, e.g. PPL, PPLA, PPLC
  std::uint64_t population = 0;  // field 9
  double lon_east_deg = 0.0;     // field 10
  double lat_deg = 0.0;          // field 11
};

// Decodes every message. Fields 10 and 11 hold zig-zag deltas in 1e-5
// degree, each added to the value of the previous message that had the
// field (starting from 0). Unknown fields are skipped by wire type. Nothing
// when the bytes are damaged (a length past the end, an unknown wire type).
[[nodiscard]] std::optional<std::vector<PbfCity>> DecodeCities(std::string_view bytes);

}  // namespace pellamar::tools
