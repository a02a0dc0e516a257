#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "map/map_state.h"
#include "platform/clock.h"

namespace pellamar {

// Options of the command line. With none, the program starts as usual.
struct CommandLine {
  std::optional<std::string> snapshot_path;  // --snapshot FILE (PNG, JPEG, BMP…)
  int snapshot_width = 1920;                 // --size WxH
  int snapshot_height = 1080;
  std::optional<GeoPoint> centre;            // --centre LAT,LON (pinned to ±90° / ±180°)
  std::optional<double> zoom;                // --zoom MINUTES (within [1, kMaxZoom])
  std::optional<CivilDate> date;             // --date YYYY-MM-DD
  std::optional<int> seconds_of_day;         // --time HH:MM[:SS]
  std::optional<double> utc_offset_hours;    // --tz HOURS
  std::optional<std::string> readout;        // --readout LAT,LON (text as given)
  bool utc = false;                          // --utc
  bool qra = false;                          // --qra: as if "QRA Locator" were checked
  bool precise = false;                      // --precise: "Contours précis" at start
  bool help = false;                         // -h, --help
  bool version = false;                      // -v, --version
};

// One option as the user types it: its long name (without "--"), an
// optional one-letter name, the name of its value (empty for a switch) and
// the French line of the help text.
struct OptionSpec {
  std::string_view name;
  std::string_view short_name;
  std::string_view value_name;
  std::string_view description;
};

// Every option the program knows, in the order of the help text.
[[nodiscard]] std::span<const OptionSpec> CommandLineOptions();

// Applies one option to `options`: `value` is the text given after it
// (ignored for a switch). Returns an empty string when the option was
// taken, else the message for standard error (unknown name, malformed or
// out-of-range value); `options` is then unchanged.
[[nodiscard]] std::string ApplyOption(CommandLine& options, std::string_view name, std::string_view value);

// The options taken together: --centre and --zoom only choose the view of a
// picture, so they need --snapshot. Empty when the whole is consistent,
// else the message for standard error.
[[nodiscard]] std::string CheckOptions(const CommandLine& options);


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

// The help text printed by --help, in French, one line per option.
[[nodiscard]] std::string CommandLineUsage();

// The image format that the file name's suffix names, lower case, when it is
// one of `writable` (lower-case format names, such as Qt's image writers
// list); empty when the name has no suffix or no writer knows it.
[[nodiscard]] std::optional<std::string> ImageFormatForPath(std::string_view path,
                                                            const std::vector<std::string>& writable);

}  // namespace pellamar
