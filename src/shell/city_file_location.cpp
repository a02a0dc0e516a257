#include "shell/city_file_location.h"

namespace pellamar {

std::filesystem::path CityFileToRead(const CityFileFolders& folders, bool user_copy_exists) {
  return (user_copy_exists ? folders.user : folders.program) / kCityFileName;
}

std::filesystem::path CityFileToWrite(const CityFileFolders& folders, bool user_copy_exists,
                                      bool program_folder_writable) {
  return (user_copy_exists || !program_folder_writable ? folders.user : folders.program) / kCityFileName;
}

}  // namespace pellamar
