#pragma once

#include <filesystem>

namespace pellamar {

// The city file's name, in the program's folder and in the per-user copy.
inline constexpr char kCityFileName[] = "Villes.txt";

// Where the city file may lie: the program's folder (the shipped file) and
// the user's own data folder (the per-user copy).
struct CityFileFolders {
  std::filesystem::path program;
  std::filesystem::path user;
};

// The file to save to, and whether the shipped file must first be copied
// there (the per-user copy does not exist yet).
struct CityFileTarget {
  std::filesystem::path path;
  bool copy_shipped_first = false;
};

// The file every reader reads: the per-user copy when it exists, else the
// program folder's file.
[[nodiscard]] std::filesystem::path CityFileToRead(const CityFileFolders& folders, bool user_copy_exists);

// The file a save writes: the per-user copy when it exists (so that what is
// saved is what is read) or when the program's folder cannot be written
// (a system-wide install); else the program folder's file, as before.
[[nodiscard]] CityFileTarget CityFileToWrite(const CityFileFolders& folders, bool user_copy_exists,
                                             bool program_folder_writable);

}  // namespace pellamar
