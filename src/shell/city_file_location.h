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

// The file every reader reads: the per-user copy when it exists, else the
// program folder's file.
[[nodiscard]] std::filesystem::path CityFileToRead(const CityFileFolders& folders, bool user_copy_exists);

// The file a save writes: the per-user copy when it exists (so that what is
// saved is what is read) or when the program's folder cannot be written
// (a system-wide install); else the program folder's file. The save itself
// creates the per-user copy (from the file read plus the user's cities).
[[nodiscard]] std::filesystem::path CityFileToWrite(const CityFileFolders& folders, bool user_copy_exists,
                                                    bool program_folder_writable);

}  // namespace pellamar
