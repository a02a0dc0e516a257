#include "shell/city_file_location.h"

#include <gtest/gtest.h>

namespace pellamar {
namespace {

TEST(CityFileLocationTest, TheUserCopyWinsWhenItExistsOrWhenTheProgramFolderIsReadOnly) {
  const CityFileFolders folders{"/opt/pellamar", "/home/u/.local/share/pellamar"};
  const std::filesystem::path shipped = "/opt/pellamar/Villes.txt";
  const std::filesystem::path copy = "/home/u/.local/share/pellamar/Villes.txt";
  const struct {
    bool user_copy_exists, program_writable;
    std::filesystem::path read, write;
    bool copy_first;
  } cases[] = {
      // A writable program folder keeps the shipped file for both.
      {false, true, shipped, shipped, false},
      // A system-wide install: the first save starts the copy from the shipped file.
      {false, false, shipped, copy, true},
      // Once the copy exists it is read and written, whatever the folder.
      {true, false, copy, copy, false},
      {true, true, copy, copy, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "copy " << c.user_copy_exists << " writable " << c.program_writable);
    EXPECT_EQ(CityFileToRead(folders, c.user_copy_exists), c.read);
    const CityFileTarget target = CityFileToWrite(folders, c.user_copy_exists, c.program_writable);
    EXPECT_EQ(target.path, c.write);
    EXPECT_EQ(target.copy_shipped_first, c.copy_first);
  }
}

}  // namespace
}  // namespace pellamar
