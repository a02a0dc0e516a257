#include "shell/readout.h"

#include <charconv>
#include <cmath>
#include <ostream>

#include "places/pointer_readout.h"
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

  // The pointer read-out: position, the dials' place, the Sun times and the
  // solar clock, as the window shows them.
  ReadoutSettings settings;
  settings.day_text = day_text;
  settings.month_text = month_text;
  settings.QRAON = options.qra;
  settings.HLOC = !options.utc;
  settings.TimeZone = zone;
  settings.clock_day_fraction = instant.t;
  const PointerReadout readout =
      ReadOutPlace({place->latitude_deg, place->longitude_deg}, settings);
  const SunPosition sun = SunPositionAt(ComputeSunEphemeris(instant), readout.FPo, readout.LPo);

  std::string position = readout.Label2;
  for (std::size_t at = position.find('\n'); at != std::string::npos;
       at = position.find('\n', at + 3)) {
    position.replace(at, 1, " | ");
  }
  constexpr char kSeparator = '.';
  const SunTimesResult& times = readout.times;
  out << "Position=" << position << '\n'
      << "Lever=" << times.tl << '\n'
      << "Passage au méridien=" << times.TP << '\n'
      << "Coucher=" << times.tc << '\n'
      << "Message=" << times.Label10 << '\n'
      << "Heure Solaire=" << readout.Text1 << '\n'
      << "Azimut=" << AzimuthCaption(sun.Az, kSeparator) << '\n'
      << "Hauteur=" << HeightCaption(sun.h, kSeparator) << '\n';
  return 0;
}

}  // namespace pellamar
