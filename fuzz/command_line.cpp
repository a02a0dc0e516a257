// The command line on any arguments (separated by NUL bytes): options within
// their documented ranges, or no options and a message.
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
  const CommandLineParse parse = ParseCommandLine(args);
  Require(parse.options.has_value() == parse.error.empty());
  if (!parse.options) return;
  const CommandLine& cl = *parse.options;
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
