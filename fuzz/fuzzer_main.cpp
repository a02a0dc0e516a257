// libFuzzer's entry point, shared by every target.
#include <cstddef>
#include <cstdint>

#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pellamar::fuzz::FuzzOne(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
