#include "shell/readout.h"

#include <charconv>
#include <cmath>
#include <ostream>

#include "solar/sun_dials.h"
#include "solar/sun_ephemeris.h"
#include "solar/sun_instant.h"
#include "solar/sun_times.h"

namespace pellamar {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A plain decimal number: optional sign, digits, optional "." and digits.
// No exponent, no "inf"/"nan", nothing after it.
std::optional<double> ParseDecimal(std::string_view s) {
  s = TrimBlanks(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  for (char c : s) {
    if (!((c >= '0' && c <= '9') || c == '.')) return std::nullopt;
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value,
                                         std::chars_format::fixed);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return negative ? -value : value;
}

void AppendDecimal(std::string& out, int value, int min_digits) {
  char buf[16];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  for (int i = static_cast<int>(end - buf); i < min_digits; ++i) out.push_back('0');
  out.append(buf, end);
}

}  // namespace

std::optional<ReadoutPlace> ParseReadoutPlace(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto lat = ParseDecimal(text.substr(0, comma));
  const auto lon = ParseDecimal(text.substr(comma + 1));
  if (!lat || !lon) return std::nullopt;
  if (!(std::fabs(*lat) <= 90) || !(std::fabs(*lon) <= 180)) return std::nullopt;
  return ReadoutPlace{*lat, *lon};
}

int RunReadout(const CommandLine& options, const Clock& clock, std::ostream& out,
               std::ostream& err) {
  const std::string text = options.readout.value_or("");
  const std::optional<ReadoutPlace> place = ParseReadoutPlace(text);
  if (!place) {
    err << "pellamar: --readout attend LAT,LON en degrés décimaux (point décimal, nord et est "
           "positifs, latitude -90 à 90, longitude -180 à 180), pas \""
        << text << "\"\n";
    return 2;
  }

  // The date boxes as start-up fills them from the clock's date, and the
  // clock's signed offset as the time zone.
  const CivilDate date = clock.LocalDate();
  std::string day_text;
  std::string month_text;
  AppendDecimal(day_text, date.day, 1);
  AppendDecimal(month_text, date.month, 1);
  const float zone = static_cast<float>(clock.UtcOffsetHours());
  const SunInstant instant = MakeSunInstant(day_text, month_text, clock, zone);

  // The pointer read-out: the dials' place in degrees (west-positive
  // longitude), then the times from the rounded date boxes.
  const double FPo = place->latitude_deg;
  const double LPo = -place->longitude_deg;
  const SunTimesResult times = SunTimes(RoundToInt16(instant.D), RoundToInt16(instant.M),
                                        place->longitude_deg, place->latitude_deg,
                                        /*HLOC=*/!options.utc, zone);
  const SunPosition sun = SunPositionAt(ComputeSunEphemeris(instant), FPo, LPo);

  constexpr char kSeparator = '.';
  out << "Lever=" << times.tl << '\n'
      << "Passage au méridien=" << times.TP << '\n'
      << "Coucher=" << times.tc << '\n'
      << "Message=" << times.Label10 << '\n'
      << "Azimut=" << AzimuthCaption(sun.Az, kSeparator) << '\n'
      << "Hauteur=" << HeightCaption(sun.h, kSeparator) << '\n';
  return 0;
}

}  // namespace pellamar
