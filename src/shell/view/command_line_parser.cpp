#include "shell/view/command_line_parser.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace pellamar {
namespace {

QString FromView(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

ParsedArguments ParseArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  const auto known = CommandLineOptions();
  for (const OptionSpec& option : known) {
    QStringList names{FromView(option.name)};
    if (!option.short_name.empty()) names.prepend(FromView(option.short_name));
    parser.addOption(QCommandLineOption(names, FromView(option.description), FromView(option.value_name)));
  }
  if (!parser.parse(arguments)) {
    if (!parser.unknownOptionNames().isEmpty()) {
      const QString name = parser.unknownOptionNames().first();
      return {std::nullopt, std::string("option inconnue : ") + (name.size() == 1 ? "-" : "--") + name.toStdString()};
    }
    // The only other failure: a value option given last, without its value.
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    return {std::nullopt, last.toStdString() + " attend une valeur"};
  }
  if (!parser.positionalArguments().isEmpty()) {
    return {std::nullopt, "argument inattendu : " + parser.positionalArguments().first().toStdString()};
  }
  CommandLine options;
  for (const OptionSpec& option : known) {
    const QString name = FromView(option.name);
    if (!parser.isSet(name)) continue;
    // A value given twice: the last one counts.
    const std::string value = option.value_name.empty() ? std::string() : parser.values(name).last().toStdString();
    std::string error = ApplyOption(options, option.name, value);
    if (!error.empty()) return {std::nullopt, std::move(error)};
  }
  if (std::string error = CheckOptions(options); !error.empty()) return {std::nullopt, std::move(error)};
  return {options, {}};
}

}  // namespace pellamar
