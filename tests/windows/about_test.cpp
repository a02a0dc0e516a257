#include "windows/about.h"

#include <gtest/gtest.h>

#include <string>

namespace pellamar {
namespace {

// Faults: the version or the mail subject out of step with the build.
TEST(AboutTest, VersionAndMailLinkCarryVersionTwoPointTwo) {
  EXPECT_EQ(VersionText(), "2.2");
  // The build's version record says the same.
  EXPECT_EQ(VersionText(), PELLAMAR_PROJECT_VERSION);
  EXPECT_EQ(VersionLine(), "Version 2.2");
  EXPECT_EQ(MailLink(), "mailto:auteur@pellamar.example.org?subject=Pellamar V2.2");
  EXPECT_EQ(kWebPage, "https://pellamar.example.org/");
}

}  // namespace
}  // namespace pellamar
