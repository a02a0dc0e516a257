#pragma once

#include <cstdlib>
#include <string_view>

// One fuzz target: the bytes of one input, run through the program's own
// entry points. Each target file defines FuzzOne; the libFuzzer driver
// (fuzzer_main.cpp) and the corpus replay test (replay_test.cpp) both call it,
// so every corpus file the fuzzer keeps is replayed by ctest.
namespace pellamar::fuzz {

void FuzzOne(std::string_view bytes);

// A broken promise of the code under test: stops the run so that both the
// fuzzer and the replay test report the input.
inline void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace pellamar::fuzz
