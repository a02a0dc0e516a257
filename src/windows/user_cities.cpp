#include "windows/user_cities.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "places/city_file.h"
#include "places/cp1252.h"

namespace pellamar {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// A whole number of degrees 0..max written with digits alone (blanks around
// it allowed).
std::optional<int> WholeDegrees(std::string_view text, int max) {
  text = TrimBlanks(text);
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > max) return std::nullopt;
  return value;
}

// Minutes 0 <= m < 60: digits with at most one "." or "," between them;
// empty reads 0.
std::optional<double> Minutes(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return 0.0;
  std::string digits(text);
  std::replace(digits.begin(), digits.end(), ',', '.');
  if (digits.find_first_not_of("0123456789.") != std::string::npos || digits.front() == '.' ||
      digits.back() == '.') {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size() || !(value >= 0 && value < 60)) {
    return std::nullopt;
  }
  return value;
}

void AppendPadded(std::string& out, long value, int width) {
  char buf[24];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  const auto length = static_cast<int>(end - buf);
  out.append(static_cast<std::size_t>(std::max(0, width - length)), '0');
  out.append(buf, end);
}

// One coordinate of a user line: sign, degrees on `width` digits, ".",
// thousandths of a degree on 3 digits. Empty when beyond `max` degrees.
std::string Coordinate(bool negative, int degrees, double minutes, int width, int max) {
  long thousandths = std::lround(minutes / 0.06);
  long whole = degrees;
  if (thousandths >= 1000) {  // 59.98' and up round to the next degree
    thousandths -= 1000;
    ++whole;
  }
  if (whole * 1000 + thousandths > static_cast<long>(max) * 1000) return {};
  std::string out = negative ? "-" : "";
  AppendPadded(out, whole, width);
  out.push_back('.');
  AppendPadded(out, thousandths, 3);
  return out;
}

bool IsControlByte(unsigned char b) {
  return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

}  // namespace

UserCityLine FormatUserCity(const UserCityInput& input) {
  const std::string_view name_utf8 = TrimBlanks(input.name);
  if (name_utf8.empty()) return {std::nullopt, {}};
  const std::optional<std::string> name = Utf8ToCp1252(name_utf8);
  if (!name) {
    return {std::nullopt, "Le nom contient un caractère que le fichier des villes ne peut pas enregistrer."};
  }
  for (const char c : *name) {
    if (c == ';' || IsControlByte(static_cast<unsigned char>(c))) {
      return {std::nullopt, "Le nom ne doit contenir ni « ; » ni caractère de contrôle."};
    }
  }
  const std::optional<int> lat_deg = WholeDegrees(input.lat_degrees, 90);
  if (!lat_deg) return {std::nullopt, "Latitude : degrés entiers de 0 à 90."};
  const std::optional<double> lat_min = Minutes(input.lat_minutes);
  if (!lat_min) return {std::nullopt, "Latitude : minutes de 0 à moins de 60."};
  const std::optional<int> lon_deg = WholeDegrees(input.lon_degrees, 180);
  if (!lon_deg) return {std::nullopt, "Longitude : degrés entiers de 0 à 180."};
  const std::optional<double> lon_min = Minutes(input.lon_minutes);
  if (!lon_min) return {std::nullopt, "Longitude : minutes de 0 à moins de 60."};
  const std::string lat = Coordinate(!input.north, *lat_deg, *lat_min, 2, 90);
  if (lat.empty()) return {std::nullopt, "Latitude : pas au-delà de 90°."};
  // West is positive in the file: an eastern place is written negative.
  const std::string lon = Coordinate(input.east, *lon_deg, *lon_min, 3, 180);
  if (lon.empty()) return {std::nullopt, "Longitude : pas au-delà de 180°."};
  return {lat + " " + lon + " 9 3 " + *name, {}};
}

std::optional<UserCityFields> FieldsOfUserLine(std::string_view line) {
  const std::optional<CityRecord> city = ParseCityLine(line);
  if (!city) return std::nullopt;
  UserCityFields f;
  f.north = city->latitude_deg > 0;
  f.east = city->lon_west_deg < 0;
  const long lat_min = std::lround(std::abs(city->latitude_deg) * 60);
  const long lon_min = std::lround(std::abs(city->lon_west_deg) * 60);
  f.lat_degrees = static_cast<int>(lat_min / 60);
  f.lat_minutes = static_cast<int>(lat_min % 60);
  f.lon_degrees = static_cast<int>(lon_min / 60);
  f.lon_minutes = static_cast<int>(lon_min % 60);
  f.name = Cp1252ToUtf8(city->name);
  return f;
}

UserCityFields FieldsOfClickedPlace(const GeoPoint& place) {
  // The place travels as 32-bit floats, as the pointer read-out shows it.
  const float lat = std::clamp(static_cast<float>(place.lat_deg), -90.0f, 90.0f);
  const float lon = std::clamp(static_cast<float>(place.lon_east_deg), -180.0f, 180.0f);
  UserCityFields f;
  f.north = lat > 0;
  f.east = lon > 0;
  const float a = std::abs(lat), b = std::abs(lon);
  f.lat_degrees = static_cast<int>(std::trunc(a));
  f.lat_minutes = static_cast<int>(std::trunc((a - std::trunc(a)) * 60));
  f.lon_degrees = static_cast<int>(std::trunc(b));
  f.lon_minutes = static_cast<int>(std::trunc((b - std::trunc(b)) * 60));
  return f;
}

std::vector<UserCityEntry> LoadUserCities(const std::vector<std::string_view>& lines) {
  std::vector<UserCityEntry> entries;
  bool in_section = false;
  for (const std::string_view line : lines) {
    if (in_section && TrimBlanks(line).size() > 1) {
      const std::optional<CityRecord> city = ParseCityLine(line);
      entries.push_back({std::string(line), city ? city->name : std::string(line)});
    }
    if (line == kUserSectionHeader) in_section = true;
  }
  return entries;
}

std::string SavedCityFile(std::string_view old_bytes, const std::vector<std::string>& user_lines) {
  std::string out;
  // Up to and including the header line, with its own line end.
  bool found = false;
  for (std::size_t start = 0; start < old_bytes.size();) {
    std::size_t end = old_bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? old_bytes.size() : end + 1;
    std::string_view line = old_bytes.substr(start, (end == std::string_view::npos ? old_bytes.size() : end) - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == kUserSectionHeader) {
      out.assign(old_bytes.substr(0, next));
      found = true;
      break;
    }
    start = next;
  }
  if (!found) out.assign(old_bytes);
  // A last line without its line end gets one; a lone CR there is completed
  // into CR LF rather than doubled, which would hide the header it ends.
  if (!out.empty() && out.back() == '\r') {
    out.push_back('\n');
  } else if (!out.empty() && out.back() != '\n') {
    out.append(kCrLf);
  }
  if (!found) {
    out.append(" \r\n; \r\n");
    out.append(kUserSectionHeader);
    out.append(kCrLf);
  }
  out.append("; \r\n");
  for (const std::string& line : user_lines) {
    out.append(line);
    out.append(kCrLf);
  }
  return out;
}

}  // namespace pellamar
