#include "convert/pbf_cities.h"

namespace pellamar::tools {

std::optional<std::uint64_t> ReadVarint(std::string_view bytes, std::size_t& pos) {
  std::uint64_t value = 0;
  std::size_t at = pos;
  for (int shift = 0; shift < 70; shift += 7) {
    if (at >= bytes.size()) return std::nullopt;
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    value |= static_cast<std::uint64_t>(byte & 0x7Fu) << shift;
    if ((byte & 0x80u) == 0) {
      pos = at;
      return value;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<PbfCity>> DecodeCities(std::string_view bytes) {
  std::vector<PbfCity> cities;
  std::int64_t lon = 0;  // running sums, 1e-5 degree
  std::int64_t lat = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto length = ReadVarint(bytes, pos);
    if (!length || *length > bytes.size() - pos) return std::nullopt;
    const std::string_view message = bytes.substr(pos, static_cast<std::size_t>(*length));
    pos += static_cast<std::size_t>(*length);

    PbfCity city;
    std::size_t at = 0;
    while (at < message.size()) {
      const auto key = ReadVarint(message, at);
      if (!key) return std::nullopt;
      const auto field = *key >> 3;
      switch (*key & 7) {
        case 0: {  // varint
          const auto v = ReadVarint(message, at);
          if (!v) return std::nullopt;
          if (field == 1) city.geonames_id = ZigZagDecode(*v);
          else if (field == 9) city.population = *v;
          else if (field == 10) lon += ZigZagDecode(*v);
          else if (field == 11) lat += ZigZagDecode(*v);
          break;
        }
        case 2: {  // length-delimited
          const auto n = ReadVarint(message, at);
          if (!n || *n > message.size() - at) return std::nullopt;
          const std::string text(message.substr(at, static_cast<std::size_t>(*n)));
          at += static_cast<std::size_t>(*n);
          if (field == 2) city.name = text;
          else if (field == 3) city.country = text;
          else if (field == 7) city.feature_code = text;
          break;
        }
        case 1:  // 64-bit
          if (message.size() - at < 8) return std::nullopt;
          at += 8;
          break;
        case 5:  // 32-bit
          if (message.size() - at < 4) return std::nullopt;
          at += 4;
          break;
        default:
          return std::nullopt;
      }
    }
    city.lon_east_deg = static_cast<double>(lon) / 1e5;
    city.lat_deg = static_cast<double>(lat) / 1e5;
    cities.push_back(std::move(city));
  }
  return cities;
}

}  // namespace pellamar::tools
