#include "shell/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace pellamar {
namespace {

bool ParseInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

// A decimal number with "." as the point, an optional sign, no exponent.
bool ParseDouble(std::string_view text, double& value) {
  if (text.empty()) return false;
  if (text.front() == '+') text.remove_prefix(1);
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::fixed);
  return r.ec == std::errc() && r.ptr == text.data() + text.size() && std::isfinite(value);
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
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

// "LAT,LON" in decimal degrees, pinned to the poles and to ±180° as a click
// on the map pins its centre.
std::optional<GeoPoint> ParseCentre(std::string_view text) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  GeoPoint p;
  if (!ParseDouble(TrimBlanks(text.substr(0, comma)), p.lat_deg) ||
      !ParseDouble(TrimBlanks(text.substr(comma + 1)), p.lon_east_deg))
    return std::nullopt;
  p.lat_deg = std::clamp(p.lat_deg, -90.0, 90.0);
  p.lon_east_deg = std::clamp(p.lon_east_deg, -180.0, 180.0);
  return p;
}

constexpr std::array kOptions = {
    OptionSpec{"snapshot", "", "FICHIER",
               "dessine la fenêtre hors écran dans une image et quitte ; le suffixe du nom choisit "
               "le format (png, jpg, bmp…)"},
    OptionSpec{"size", "", "LxH", "taille de l'image en pixels (1920x1080 par défaut)"},
    OptionSpec{"centre", "", "LAT,LON",
               "avec --snapshot : centre de la carte en degrés décimaux (nord et est positifs)"},
    OptionSpec{"zoom", "", "MINUTES",
               "avec --snapshot : hauteur de la carte en minutes de latitude (12675 : le monde entier)"},
    OptionSpec{"readout", "", "LAT,LON",
               "affiche les données du Soleil pour ce lieu et quitte (degrés décimaux, longitude "
               "positive à l'est)"},
    OptionSpec{"utc", "", "", "avec --readout : heures en TU plutôt qu'en heure locale"},
    OptionSpec{"qra", "", "", "avec --readout : comme si « QRA Locator » était coché"},
    OptionSpec{"precise", "", "", "commence avec « Contours précis » plutôt que « Carte globale »"},
    OptionSpec{"date", "", "AAAA-MM-JJ", "remplace la date de l'ordinateur"},
    OptionSpec{"time", "", "HH:MM[:SS]", "remplace l'heure de l'ordinateur"},
    OptionSpec{"tz", "", "HEURES", "remplace le fuseau horaire (décalage avec TU, de -14 à 14) ; sans --time, l'heure et la date sont celles de ce fuseau"},
    OptionSpec{"help", "h", "", "affiche cette aide et quitte"},
    OptionSpec{"version", "v", "", "affiche la version et quitte"},
};

}  // namespace

std::span<const OptionSpec> CommandLineOptions() { return kOptions; }

std::string ApplyOption(CommandLine& cl, std::string_view name, std::string_view v) {
  if (name == "help") {
    cl.help = true;
  } else if (name == "version") {
    cl.version = true;
  } else if (name == "utc") {
    cl.utc = true;
  } else if (name == "qra") {
    cl.qra = true;
  } else if (name == "precise") {
    cl.precise = true;
  } else if (name == "snapshot") {
    if (v.empty()) return "--snapshot attend un nom de fichier d'image (ex. carte.png)";
    cl.snapshot_path = std::string(v);
  } else if (name == "size") {
    int w = 0, h = 0;
    if (!ParseSize(v, w, h))
      return "--size attend LARGEURxHAUTEUR en pixels, de 64 à 16384 (ex. 1920x1080)";
    cl.snapshot_width = w;
    cl.snapshot_height = h;
  } else if (name == "centre") {
    const std::optional<GeoPoint> p = ParseCentre(v);
    if (!p) return "--centre attend LAT,LON en degrés décimaux (ex. 48.85,2.35)";
    cl.centre = p;
  } else if (name == "zoom") {
    double zoom = 0;
    if (!ParseDouble(v, zoom) || zoom <= 0)
      return "--zoom attend une hauteur de carte positive en minutes de latitude (ex. 2400)";
    cl.zoom = std::clamp(zoom, 1.0, kMaxZoom);
  } else if (name == "date") {
    const std::optional<CivilDate> d = ParseDate(v);
    if (!d) return "--date attend une date valide AAAA-MM-JJ (ex. 2007-06-21)";
    cl.date = d;
  } else if (name == "time") {
    const std::optional<int> t = ParseTime(v);
    if (!t) return "--time attend une heure HH:MM ou HH:MM:SS (ex. 12:00)";
    cl.seconds_of_day = t;
  } else if (name == "tz") {
    double tz = 0;
    if (!ParseDouble(v, tz) || tz < -14.0 || tz > 14.0)
      return "--tz attend un décalage en heures avec TU, de -14 à 14 (ex. -5 ou 5.75)";
    cl.utc_offset_hours = tz;
  } else if (name == "readout") {
    if (v.empty()) return "--readout attend LAT,LON en degrés décimaux";
    cl.readout = std::string(v);
  } else {
    return "option inconnue : --" + std::string(name);
  }
  return {};
}

std::string CheckOptions(const CommandLine& cl) {
  if (!cl.snapshot_path && cl.centre) return "--centre ne sert qu'avec --snapshot";
  if (!cl.snapshot_path && cl.zoom) return "--zoom ne sert qu'avec --snapshot";
  return {};
}

std::string CommandLineUsage() {
  std::string text = "Usage : pellamar [options]\n\nOptions :\n";
  constexpr std::size_t kColumn = 26;
  for (const OptionSpec& o : kOptions) {
    std::string names;
    if (o.short_name.empty()) {
      names.append(4, ' ');
    } else {
      names.append("-").append(o.short_name).append(", ");
    }
    names.append("--").append(o.name);
    if (!o.value_name.empty()) names.append(" ").append(o.value_name);
    text.append("  ").append(names);
    if (names.size() < kColumn) {
      text.append(kColumn - names.size(), ' ');
    } else {
      text.append("\n").append(kColumn + 2, ' ');
    }
    text.append(o.description).append("\n");
  }
  text += "\nUne option s'écrit aussi --option=valeur.\n";
  return text;
}

std::optional<std::string> ImageFormatForPath(std::string_view path, const std::vector<std::string>& writable) {
  const auto slash = path.find_last_of("/\\");
  const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const auto dot = file.find_last_of('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 == file.size()) return std::nullopt;
  std::string suffix(file.substr(dot + 1));
  // ASCII lower case: format names are plain ASCII.
  for (char& c : suffix) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (std::find(writable.begin(), writable.end(), suffix) == writable.end()) return std::nullopt;
  return suffix;
}

namespace {

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


}  // namespace pellamar
