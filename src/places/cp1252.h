#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pellamar {

// The city file is Windows-1252 bytes. These two turn it into UTF-8 (for the
// widgets and the canvas) and back, through one explicit 256-entry table.
// The five bytes the code page leaves unused (81, 8D, 8F, 90, 9D) stand for
// the C1 controls of the same value, so every byte survives a round trip.

// The UTF-8 text of Windows-1252 bytes. Never fails.
[[nodiscard]] std::string Cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text; nothing when the text holds a
// character the code page cannot hold or is not valid UTF-8.
[[nodiscard]] std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// Lower case of Windows-1252 bytes, accented capitals included
// ("É" 0xC9 becomes "é" 0xE9, "Š" 0x8A becomes "š" 0x9A).
[[nodiscard]] std::string Cp1252Lower(std::string_view bytes);

}  // namespace pellamar
