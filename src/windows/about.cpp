#include "windows/about.h"

#include <array>
#include <charconv>

namespace pellamar {
namespace {

std::string WholeNumber(int n) {
  std::array<char, 16> buf{};
  const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), n);
  return std::string(buf.data(), r.ptr);
}

}  // namespace

std::string VersionText() { return WholeNumber(kVersionMajor) + "." + WholeNumber(kVersionMinor); }

std::string VersionLine() { return "Version " + VersionText(); }

std::string MailLink() {
  return "mailto:" + std::string(kMailAddress) + "?subject=Pellamar V" + VersionText();
}

}  // namespace pellamar
