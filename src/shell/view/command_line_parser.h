#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "shell/command_line.h"

namespace pellamar {

struct ParsedArguments {
  std::optional<CommandLine> options;  // empty on error
  std::string error;                   // a French message for standard error
};

// Reads the program's arguments (the program's name first) with
// QCommandLineParser, so that "--option value", "--option=value", "-h",
// "--help" and "--version" behave as on every Qt program; each value is
// checked by the core's rules. Unknown options, missing values, stray
// arguments and malformed values give an error and no options.
[[nodiscard]] ParsedArguments ParseArguments(const QStringList& arguments);

}  // namespace pellamar
