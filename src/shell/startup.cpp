#include "shell/startup.h"

#include <charconv>
#include <cmath>

namespace pellamar {

std::string ZoneText(double hours) {
  if (!std::isfinite(hours)) hours = 0.0;
  double rounded = std::round(hours * 100.0) / 100.0;
  if (rounded == 0.0) rounded = 0.0;  // no "-0"
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, rounded);
  return std::string(buf, r.ptr);
}

}  // namespace pellamar
