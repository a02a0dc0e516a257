#pragma once

#include <string_view>

namespace pellamar {

// The program's one text-to-number rule. Blanks (space, tab, CR, LF)
// anywhere in the text are ignored; the value is the longest number at the
// start of what remains: an optional sign, digits, at most one "." decimal
// point. Reading stops at the first character that cannot continue it. A
// text with no leading number gives 0. Never fails, never reads the locale.
// Example: "-2.35 1" reads as -2.351.
[[nodiscard]] double LeadingNumber(std::string_view text);

}  // namespace pellamar
