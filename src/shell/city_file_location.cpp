#include "shell/city_file_location.h"

namespace pellamar {

std::filesystem::path CityFileToRead(const CityFileFolders& folders, bool user_copy_exists) {
  return (user_copy_exists ? folders.user : folders.program) / kCityFileName;
}

CityFileTarget CityFileToWrite(const CityFileFolders& folders, bool user_copy_exists,
                               bool program_folder_writable) {
  if (user_copy_exists) return {folders.user / kCityFileName, false};
  if (!program_folder_writable) return {folders.user / kCityFileName, true};
  return {folders.program / kCityFileName, false};
}

}  // namespace pellamar
