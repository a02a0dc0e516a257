#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace pellamar {

// Options of the command line. With none, the program starts as usual.
struct CommandLine {
  std::optional<std::string> snapshot_path;  // --snapshot FILE.png
  int snapshot_width = 1920;                 // --size WxH
  int snapshot_height = 1080;
  std::optional<CivilDate> date;             // --date YYYY-MM-DD
  std::optional<int> seconds_of_day;         // --time HH:MM[:SS]
  std::optional<double> utc_offset_hours;    // --tz HOURS
  std::optional<std::string> readout;        // --readout LAT,LON (text as given)
  bool utc = false;                          // --utc
  bool qra = false;                          // --qra: as if "QRA Locator" were checked
  bool precise = false;                      // --precise: "Contours précis" at start
  bool help = false;                         // --help
};

struct CommandLineParse {
  std::optional<CommandLine> options;  // empty on error
  std::string error;                   // a message for standard error
};

// Parses the arguments after the program name. Unknown options, missing
// values and malformed values give an error message and no options.
[[nodiscard]] CommandLineParse ParseCommandLine(const std::vector<std::string>& args);

// A local date and time of day.
struct CivilTime {
  CivilDate date;
  int seconds_of_day = 0;  // 0..86399
};

// The local date and time of a zone `offset_hours` away from UT at the UT
// instant (`utc_date`, `utc_seconds_of_day`), to the nearest second, carried
// across days, months and years. This is the clock --tz gives when --time
// is not given: the computer's instant, seen in that zone.
[[nodiscard]] CivilTime ShiftUtc(CivilDate utc_date, int utc_seconds_of_day, double offset_hours);

// The usage text printed by --help.
[[nodiscard]] std::string CommandLineUsage();

}  // namespace pellamar
