#include "solar/sun_times.h"

#include <cmath>

#include "solar/sun_angles.h"

namespace pellamar {
namespace {

void AppendTwoDigits(std::string& out, long long value) {
  out.push_back(static_cast<char>('0' + value / 10));
  out.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::string FormatTimeOfDay(double hours, bool with_seconds) {
  if (!std::isfinite(hours)) return "---";
  constexpr long long kDay = 86400;
  long long seconds = std::llround(hours * 3600);
  seconds = ((seconds % kDay) + kDay) % kDay;
  std::string out;
  AppendTwoDigits(out, seconds / 3600);
  out.push_back(':');
  AppendTwoDigits(out, seconds % 3600 / 60);
  if (with_seconds) {
    out.push_back(':');
    AppendTwoDigits(out, seconds % 60);
  }
  return out;
}

SunTimesResult SunTimes(std::int16_t day, std::int16_t month, double longitude_east_deg,
                        double latitude_deg, bool HLOC, float TimeZone) {
  const double r = Pi / 180;
  const double k = Pi / 12;  // radians per hour
  const double h0 = (-50.0 / 60) * r;  // the centre 50' below the horizon
  const double zone = HLOC ? static_cast<double>(TimeZone) : 0.0;

  SunTimesResult out;
  const double latitude = latitude_deg * r;
  const double longitude = -longitude_east_deg * r;  // west-positive from here on
  out.latitude_rad = latitude;
  out.longitude_west_rad = longitude;
  const int m = month < 3 ? month + 12 : month;

  // UT of local mean noon, and the days from 1 March 0 h to it.
  const double noon = 12 + longitude / k;
  const double n = std::floor(30.61 * (m + 1)) + day + noon / 24 - 123;

  const double mean_anomaly = 0.0172024 * (n - 308.67);
  const double mean_longitude = 0.0172024 * (n - 21.55);
  const double lambda =
      mean_longitude + 0.0334 * std::sin(mean_anomaly) + 0.0003486125 * std::sin(2 * mean_anomaly);
  constexpr double obliquity = 0.4091;
  const double x = std::cos(lambda);
  const double y = std::cos(obliquity) * std::sin(lambda);
  const double s = std::sin(obliquity) * std::sin(lambda);
  const double a = std::cos(mean_longitude) * x + std::sin(mean_longitude) * y;
  const double b = -std::sin(mean_longitude) * x + std::cos(mean_longitude) * y;
  // The principal value on purpose: A stays close to 1.
  out.EquationOfTime = std::atan(b / a);
  const double delta = std::asin(s);

  out.transit_hours = noon + zone + out.EquationOfTime / k;
  out.TP = FormatTimeOfDay(out.transit_hours, true);

  // Cosine of the half-day hour angle. At the poles cos(latitude) is tiny but
  // not zero, so c is huge and one of the two messages is shown.
  const double c = (std::sin(h0) - std::sin(latitude) * std::sin(delta)) / std::cos(latitude) /
                   std::cos(delta);
  if (c > 1 || c < -1) {
    out.tl = "---";
    out.tc = "---";
    out.Label10 = c > 1 ? "Le Soleil ne se lève pas !" : "Le Soleil ne se couche pas !";
    return out;
  }
  if (!std::isfinite(c)) {  // only from non-finite input
    out.tl = "---";
    out.tc = "---";
    return out;
  }
  const double half_day = std::acos(c);

  double rise = noon + zone + (out.EquationOfTime - half_day) / k;
  if (rise < 0) rise += 24;
  double set = noon + zone + (out.EquationOfTime + half_day) / k;
  if (set > 24) set -= 24;
  out.rise_hours = rise;
  out.set_hours = set;
  out.tl = FormatTimeOfDay(rise, false);
  out.tc = FormatTimeOfDay(set, false);
  return out;
}

}  // namespace pellamar
