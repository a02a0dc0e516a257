#include "windows/about.h"

#include <gtest/gtest.h>

#include <string>

namespace pellamar {
namespace {

TEST(AboutTest, VersionAndMailLinkCarryVersionTwoPointTwo) {
  EXPECT_EQ(VersionText(), "2.2");
  // The build's version record says the same.
  EXPECT_EQ(VersionText(), PELLAMAR_PROJECT_VERSION);
  EXPECT_EQ(VersionLine(), "Version 2.2");
  EXPECT_EQ(MailLink(), "mailto:" + std::string(kMailAddress) + "?subject=Pellamar V2.2");
  // The addresses stay under the reserved example domain.
  EXPECT_NE(std::string(kMailAddress).find("example.org"), std::string::npos);
  EXPECT_EQ(std::string(kWebPage).rfind("https://", 0), 0u);
  EXPECT_NE(std::string(kWebPage).find("example.org"), std::string::npos);
}

}  // namespace
}  // namespace pellamar
