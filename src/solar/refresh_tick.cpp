#include "solar/refresh_tick.h"

#include <charconv>
#include <cmath>

namespace pellamar {
namespace {

void AppendNumber(std::string& out, long long value) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, r.ptr);
}

}  // namespace

TickPlan PlanTick(TickCounters& counters, double ZOOMc) {
  if (!(ZOOMc > 0) || !std::isfinite(ZOOMc)) ZOOMc = 13885;
  const double k = 10000 / ZOOMc;
  const double progress = k * counters.Occur;

  TickPlan plan;
  AppendNumber(plan.tooltip, static_cast<long long>(std::floor(progress)));
  plan.tooltip += "/30 : ";
  AppendNumber(plan.tooltip, counters.Occur2);
  plan.tooltip += "/1000 ";

  if (progress >= 30) {
    plan.slide = true;
    counters.Occur = 0;
  }
  ++counters.Occur;
  ++counters.Occur2;
  if (counters.Occur2 > 1000) {
    counters.Occur2 = 0;
    plan.rebuild = true;
  }
  return plan;
}

bool SlideWouldLeaveTheWorld(double old_Xpi, double new_Xpi, float PasLong) {
  const double world_width = 360.0 * 60.0 * static_cast<double>(PasLong);
  return std::fabs(old_Xpi - new_Xpi) > world_width / 2;
}

}  // namespace pellamar
