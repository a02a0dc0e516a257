#include "places/position_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pellamar {
namespace {

// Appends `value` written with at least two digits (3 -> "03", 123 -> "123").
void AppendTwoDigits(std::string& out, long long value) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  if (r.ptr - buf < 2) out.push_back('0');
  out.append(buf, r.ptr);
}

// A magnitude in degrees split from a whole number of `units` per second.
DegreesMinutesSeconds Split(double magnitude_deg, long long units_per_second) {
  const long long units_per_minute = 60 * units_per_second;
  const long long units_per_degree = 60 * units_per_minute;
  // 180° in hundredths of a second is far inside 64 bits; clamp anything
  // larger (never reached from the map, whose places stay within ±180).
  const double scaled = std::min(magnitude_deg * static_cast<double>(units_per_degree), 1e15);
  const long long units = std::llround(scaled);
  DegreesMinutesSeconds out;
  out.D = static_cast<std::int16_t>(units / units_per_degree);
  out.M = static_cast<std::int16_t>(units / units_per_minute % 60);
  out.S = static_cast<std::int16_t>(units / units_per_second % 60);
  return out;
}

// One letter of the locator: the count (field, square or subsquare) above
// the base character.
char Letter(char base, long long count) { return static_cast<char>(base + count); }

// Field, square and subsquare characters of a count in field units (20° of
// longitude or 10° of latitude), kept in [0, 18).
void AppendCount(double fields, char& field, char& square, char& subsquare) {
  // The count to six decimals, as a whole number of millionths; the largest
  // allowed value is 17.999999, the last subsquare of the last field.
  constexpr long long kMillion = 1'000'000;
  constexpr long long kLast = 18 * kMillion - 1;
  long long micro = std::isfinite(fields) ? std::llround(std::clamp(fields, 0.0, 18.0) * kMillion) : 0;
  micro = std::clamp(micro, 0LL, kLast);
  field = Letter('A', micro / kMillion);
  square = Letter('0', micro / 100'000 % 10);
  // 24 subsquares per square from the first three decimals of the tenths
  // of a field: whole part of 0.024 × n, in exact integer arithmetic.
  const long long thousandths = micro / 100 % 1000;
  subsquare = Letter('A', thousandths * 24 / 1000);
}

}  // namespace

std::string ToLocator(DegreesMinutesSeconds lat, std::string_view NS, DegreesMinutesSeconds lon,
                      std::string_view EW) {
  const double a = NS != "S" ? lat.D + 90.0 : lat.D - 90.0;
  const double y = std::fabs(a + lat.M / 60.0 + lat.S / 3600.0) / 10;
  const double b = EW != "W" ? lon.D + 180.0 : lon.D - 180.0;
  const double x = std::fabs(b + lon.M / 60.0 + lon.S / 3600.0) / 20;
  std::string locator(6, ' ');
  AppendCount(x, locator[0], locator[2], locator[4]);
  AppendCount(y, locator[1], locator[3], locator[5]);
  return locator;
}

std::string ShowPosition(double latitude, double longitude, bool QRAON) {
  if (!std::isfinite(latitude)) latitude = 0;
  if (!std::isfinite(longitude)) longitude = 0;
  const std::string_view NS = latitude <= 0 ? "S" : "N";
  const std::string_view EW = longitude < 0 ? "W" : "E";
  const double a = std::fabs(latitude);
  const double b = std::fabs(longitude);

  std::string caption;
  if (QRAON) {
    const DegreesMinutesSeconds lat = Split(a, 1);
    const DegreesMinutesSeconds lon = Split(b, 1);
    caption = ToLocator(lat, NS, lon, EW);
    const auto line = [&caption](std::string_view hemisphere, DegreesMinutesSeconds v) {
      caption += '\n';
      caption += hemisphere;
      AppendTwoDigits(caption, v.D);
      caption += "°";
      AppendTwoDigits(caption, v.M);
      caption += '\'';
      AppendTwoDigits(caption, v.S);
      caption += '"';
    };
    line(NS, lat);
    line(EW, lon);
    return caption;
  }
  // Truncated minutes of a whole number of hundredths of a second: binary
  // noise (151.2 = 151.19999…) no longer loses a minute.
  const DegreesMinutesSeconds lat = Split(a, 100);
  const DegreesMinutesSeconds lon = Split(b, 100);
  caption += NS;
  AppendTwoDigits(caption, lat.D);
  caption += "°";
  AppendTwoDigits(caption, lat.M);
  caption += "'\n";
  caption += EW;
  AppendTwoDigits(caption, lon.D);
  caption += "°";
  AppendTwoDigits(caption, lon.M);
  caption += '\'';
  return caption;
}

std::string Convert_Degree(double Decimal_Deg) {
  if (!std::isfinite(Decimal_Deg)) return "0";
  const double D = std::floor(Decimal_Deg);
  const double M = 60 * (Decimal_Deg - D);
  const long long seconds = std::llround(60 * (M - std::floor(M)));
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, seconds);
  return std::string(buf, r.ptr);
}

}  // namespace pellamar
