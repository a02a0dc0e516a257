#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

#include "shell/command_line.h"
#include "platform/clock.h"

namespace pellamar {

// A place as the map gives it: decimal degrees, north- and east-positive.
struct ReadoutPlace {
  double latitude_deg = 0;
  double longitude_deg = 0;
};

// Reads "LAT,LON" ("." decimal point, blanks around either number allowed,
// latitude in [-90, 90], longitude in [-180, 180]). Empty on anything else.
[[nodiscard]] std::optional<ReadoutPlace> ParseReadoutPlace(std::string_view text);

// The headless read-out: what the window shows once the pointer has moved
// onto options.readout, for the date and time of `clock` (day and month
// boxes as set from the clock's date; zone = the clock's offset), with the
// locator as if "QRA Locator" were checked when options.qra is set, in UT
// when options.utc is set, else in local time. Settings are not read.
// Prints
//   Position=, Lever=, Passage au méridien=, Coucher=, Message=,
//   Heure Solaire=, Azimut=, Hauteur=
// one per line on `out` (the position's line breaks written " | ", "." as
// decimal separator) and returns 0. A missing or malformed place gets a
// message on `err` and returns 2.
[[nodiscard]] int RunReadout(const CommandLine& options, const Clock& clock, std::ostream& out,
                             std::ostream& err);

}  // namespace pellamar
