#pragma once

#include <string>

namespace pellamar {

// The time-zone box's text for a signed UTC offset in hours: the shortest
// text with at most two decimals and "." as the point ("2", "-5", "5.75").
[[nodiscard]] std::string ZoneText(double hours);

}  // namespace pellamar
