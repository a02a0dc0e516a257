#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace pellamar {

// Reads the city file at a Qt path, bytes untouched; nothing when it cannot
// be opened or read.
[[nodiscard]] std::optional<std::string> ReadCityFileAt(const QString& path);

// Replaces the city file with the given bytes through a temporary file in
// the same folder, renamed over the old one only once everything was
// written. False, the old file left byte for byte, when the file or its
// folder is read-only or anything fails.
[[nodiscard]] bool WriteCityFileAt(const QString& path, std::string_view bytes);

}  // namespace pellamar
