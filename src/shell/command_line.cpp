#include "shell/command_line.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace pellamar {
namespace {

bool ParseInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

bool ParseDouble(std::string_view text, double& value) {
  if (text.empty()) return false;
  if (text.front() == '+') text.remove_prefix(1);
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::fixed);
  return r.ec == std::errc() && r.ptr == text.data() + text.size() && std::isfinite(value);
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

std::optional<CivilDate> ParseDate(std::string_view text) {
  // YYYY-MM-DD
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  CivilDate d;
  if (!ParseInt(text.substr(0, 4), d.year) || !ParseInt(text.substr(5, 2), d.month) ||
      !ParseInt(text.substr(8, 2), d.day))
    return std::nullopt;
  static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > kDays[d.month - 1])
    return std::nullopt;
  if (d.month == 2 && d.day == 29 && !IsLeapYear(d.year)) return std::nullopt;
  return d;
}

std::optional<int> ParseTime(std::string_view text) {
  // HH:MM or HH:MM:SS
  if (text.size() != 5 && text.size() != 8) return std::nullopt;
  if (text[2] != ':' || (text.size() == 8 && text[5] != ':')) return std::nullopt;
  int h = 0, m = 0, s = 0;
  if (!ParseInt(text.substr(0, 2), h) || !ParseInt(text.substr(3, 2), m)) return std::nullopt;
  if (text.size() == 8 && !ParseInt(text.substr(6, 2), s)) return std::nullopt;
  if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return std::nullopt;
  return h * 3600 + m * 60 + s;
}

bool ParseSize(std::string_view text, int& w, int& h) {
  const auto x = text.find('x');
  if (x == std::string_view::npos) return false;
  if (!ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h)) return false;
  return w >= 64 && h >= 64 && w <= 16384 && h <= 16384;
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return {y, m, d};
}

}  // namespace

CivilTime ShiftUtc(CivilDate utc_date, int utc_seconds_of_day, double offset_hours) {
  if (!std::isfinite(offset_hours)) offset_hours = 0;
  constexpr long long kDay = 86400;
  const long long shifted = DaysFromCivil(utc_date.year, utc_date.month, utc_date.day) * kDay +
                            utc_seconds_of_day + std::llround(offset_hours * 3600);
  const long long days = shifted >= 0 ? shifted / kDay : (shifted - (kDay - 1)) / kDay;
  return {CivilFromDays(days), static_cast<int>(shifted - days * kDay)};
}

CommandLineParse ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string_view& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string_view v;
    if (arg == "--help" || arg == "-h") {
      cl.help = true;
    } else if (arg == "--utc") {
      cl.utc = true;
    } else if (arg == "--qra") {
      cl.qra = true;
    } else if (arg == "--precise") {
      cl.precise = true;
    } else if (arg == "--snapshot") {
      if (!value(v) || v.empty()) return {std::nullopt, "--snapshot attend un nom de fichier PNG"};
      cl.snapshot_path = std::string(v);
    } else if (arg == "--size") {
      if (!value(v) || !ParseSize(v, cl.snapshot_width, cl.snapshot_height))
        return {std::nullopt, "--size attend LARGEURxHAUTEUR en pixels, de 64 à 16384 (ex. 1920x1080)"};
    } else if (arg == "--date") {
      std::optional<CivilDate> d;
      if (!value(v) || !(d = ParseDate(v)))
        return {std::nullopt, "--date attend une date valide AAAA-MM-JJ (ex. 2007-06-21)"};
      cl.date = d;
    } else if (arg == "--time") {
      std::optional<int> t;
      if (!value(v) || !(t = ParseTime(v)))
        return {std::nullopt, "--time attend une heure HH:MM ou HH:MM:SS (ex. 12:00)"};
      cl.seconds_of_day = t;
    } else if (arg == "--tz") {
      double tz = 0;
      if (!value(v) || !ParseDouble(v, tz) || tz < -14.0 || tz > 14.0)
        return {std::nullopt, "--tz attend un décalage en heures avec TU, de -14 à 14 (ex. -5 ou 5.75)"};
      cl.utc_offset_hours = tz;
    } else if (arg == "--readout") {
      if (!value(v)) return {std::nullopt, "--readout attend LAT,LON en degrés décimaux"};
      cl.readout = std::string(v);
    } else {
      return {std::nullopt, "option inconnue : " + arg};
    }
  }
  return {cl, {}};
}

std::string CommandLineUsage() {
  return "Usage : pellamar [options]\n"
         "  --snapshot FICHIER.png   dessine la fenêtre hors écran dans une image PNG et quitte\n"
         "  --size LxH               taille de l'image en pixels (1920x1080 par défaut)\n"
         "  --readout LAT,LON        affiche les données du Soleil pour ce lieu et quitte\n"
         "                           (degrés décimaux, longitude positive à l'est)\n"
         "  --utc                    avec --readout : heures en TU plutôt qu'en heure locale\n"
         "  --qra                    avec --readout : position avec le QRA Locator et les secondes\n"
         "  --precise                commence avec « Contours précis » plutôt que « Carte globale »\n"
         "  --date AAAA-MM-JJ        remplace la date de l'ordinateur\n"
         "  --time HH:MM[:SS]        remplace l'heure de l'ordinateur\n"
         "  --tz HEURES              remplace le fuseau horaire (décalage avec TU) ; sans\n"
         "                           --time, l'heure et la date sont celles de ce fuseau\n";
}

}  // namespace pellamar
