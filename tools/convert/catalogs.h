#pragma once

// The two name lists the city file draws on: a gettext catalogue of French
// city names keyed by GeoNames id, and the French country names by ISO code.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pellamar::tools {

// msgid → msgstr of a compiled gettext catalogue (.mo, either byte order),
// the header entry and plural forms left out. Nothing when the bytes are
// not a catalogue or a table points outside them.
[[nodiscard]] std::optional<std::map<std::string, std::string>> ParseMoCatalog(std::string_view bytes);

// Code → name from a JSON object {"locale": …, "countries": {"FR": "France",
// "GB": ["Royaume-Uni", …], …}}; of a list of names the first is taken.
// Strings keep their UTF-8; \uXXXX escapes are decoded. Nothing when the
// text is not of that shape.
[[nodiscard]] std::optional<std::map<std::string, std::string>> ParseCountryNames(std::string_view json);

}  // namespace pellamar::tools
