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
  } cases[] = {
      // A writable program folder keeps the shipped file for both.
      {false, true, shipped, shipped},
      // A system-wide install: the shipped file is read, the copy written.
      {false, false, shipped, copy},
      // Once the copy exists it is read and written, whatever the folder.
      {true, false, copy, copy},
      {true, true, copy, copy},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "copy " << c.user_copy_exists << " writable " << c.program_writable);
    EXPECT_EQ(CityFileToRead(folders, c.user_copy_exists), c.read);
    EXPECT_EQ(CityFileToWrite(folders, c.user_copy_exists, c.program_writable), c.write);
  }
}

}  // namespace
}  // namespace pellamar
