#pragma once

// The name lists the city file draws on: gettext catalogues (French city
// names keyed by GeoNames id; French country names keyed by their English
// name) and the ISO 3166-1 country list that gives each code its English
// names.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pellamar::tools {

// msgid → msgstr of a compiled gettext catalogue (.mo, either byte order),
// the header entry and plural forms left out. Nothing when the bytes are
// not a catalogue or a table points outside them.
[[nodiscard]] std::optional<std::map<std::string, std::string>> ParseMoCatalog(std::string_view bytes);

// English names of a country in the ISO 3166-1 list: the formal short name
// ("Korea, Republic of") and, for some, the name in common use ("South
// Korea"; empty when the list gives none).
struct IsoCountry {
  std::string name;
  std::string common_name;
};

// Alpha-2 code → names, from the list as Debian's iso-codes ships it:
// {"3166-1": [{"alpha_2": "FR", "name": "France", …}, …]}, every value a
// string. Strings keep their UTF-8; \uXXXX escapes are decoded. Entries
// without a code or a name are left out. Nothing when the text is not of
// that shape.
[[nodiscard]] std::optional<std::map<std::string, IsoCountry>> ParseIsoCountries(std::string_view json);

}  // namespace pellamar::tools
