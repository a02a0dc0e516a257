#pragma once

// Reading the GSHHG binned netCDF files into the plain arrays that the
// decoding works on.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "convert/gshhg_bins.h"

namespace pellamar::tools {

// Each returns nothing and sets `error` when the file cannot be read as
// expected.
[[nodiscard]] std::optional<ShoreFile> ReadShoreFile(const std::filesystem::path& path, std::string& error);
[[nodiscard]] std::optional<LineFile> ReadLineFile(const std::filesystem::path& path, std::string& error);

}  // namespace pellamar::tools
