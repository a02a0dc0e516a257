// The command line on any arguments (separated by NUL bytes): options within
// their accepted ranges, or no options and a message.
#include <string>
#include <vector>

#include "fuzz_target.h"
#include "shell/command_line.h"

namespace pellamar::fuzz {

void FuzzOne(std::string_view bytes) {
  std::vector<std::string> args;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\0');
    args.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }
  // Each argument names an option (with or without its "--"); an option that
  // takes a value takes the next argument, as the program's parser does.
  CommandLine cl;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view name = args[i];
    if (name.substr(0, 2) == "--") name.remove_prefix(2);
    bool takes_value = false;
    for (const OptionSpec& o : CommandLineOptions()) {
      if (o.name == name) takes_value = !o.value_name.empty();
    }
    const std::string value = takes_value && i + 1 < args.size() ? args[++i] : std::string();
    const CommandLine before = cl;
    if (!ApplyOption(cl, name, value).empty()) {
      // A refused option changes nothing.
      Require(cl.snapshot_path == before.snapshot_path && cl.date.has_value() == before.date.has_value() &&
              cl.seconds_of_day == before.seconds_of_day && cl.utc_offset_hours == before.utc_offset_hours &&
              cl.readout == before.readout && cl.snapshot_width == before.snapshot_width &&
              cl.snapshot_height == before.snapshot_height && cl.zoom == before.zoom);
    }
  }
  (void)CheckOptions(cl);
  if (cl.zoom) Require(*cl.zoom >= 1 && *cl.zoom <= kMaxZoom);
  if (cl.centre) {
    Require(cl.centre->lat_deg >= -90 && cl.centre->lat_deg <= 90);
    Require(cl.centre->lon_east_deg >= -180 && cl.centre->lon_east_deg <= 180);
  }
  Require(cl.snapshot_width >= 64 && cl.snapshot_width <= 16384);
  Require(cl.snapshot_height >= 64 && cl.snapshot_height <= 16384);
  if (cl.snapshot_path) Require(!cl.snapshot_path->empty());
  if (cl.seconds_of_day) Require(*cl.seconds_of_day >= 0 && *cl.seconds_of_day < 86400);
  if (cl.utc_offset_hours) Require(*cl.utc_offset_hours >= -14 && *cl.utc_offset_hours <= 14);
  if (cl.date) {
    Require(cl.date->year >= 1 && cl.date->month >= 1 && cl.date->month <= 12);
    Require(cl.date->day >= 1 && cl.date->day <= 31);
  }
}

}  // namespace pellamar::fuzz
