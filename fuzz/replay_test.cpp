// Replays a target's committed corpus (seeds and the input of every past
// finding) through its FuzzOne, without the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_target.h"

namespace pellamar::fuzz {
namespace {

TEST(FuzzCorpus, EveryFileRunsThroughTheTarget) {
  const std::filesystem::path folder = PELLAMAR_FUZZ_CORPUS;
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    FuzzOne(bytes);
    ++replayed;
  }
  EXPECT_GE(replayed, 3) << "a corpus of at least three inputs";
}

}  // namespace
}  // namespace pellamar::fuzz
