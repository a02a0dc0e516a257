#pragma once

// UTF-8 to Windows-1252, the single-byte code page of the city file.

#include <string>
#include <string_view>

namespace pellamar::tools {

// Encodes UTF-8 text in Windows-1252. A letter the code page lacks is
// written as its base letter (ł → l, đ → d, ș → s, ő → o, ạ → a), a few
// ligatures and symbols as their usual spelling (ĳ → ij, ʻ → '); anything
// else (another script, a malformed byte) is left out and counted in
// `dropped` when given.
[[nodiscard]] std::string Utf8ToCp1252(std::string_view utf8, int* dropped = nullptr);

// The byte's letter without accent and in lower case, for sorting names as
// a French reader does (é with e, Œ with oe…). `cp1252` is encoded text.
[[nodiscard]] std::string FoldForSorting(std::string_view cp1252);

// French dictionary order of two Windows-1252 names: letters and digits
// alone first (case, accents, blanks, hyphens and apostrophes set aside, so
// "Sainte-Hélène" comes before "Saint-Vincent"), then the folded text with
// its punctuation, then the bytes, so that different names never tie.
[[nodiscard]] bool FrenchBefore(std::string_view a, std::string_view b);

}  // namespace pellamar::tools
