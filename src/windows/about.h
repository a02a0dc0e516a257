#pragma once

#include <string>
#include <string_view>

namespace pellamar {

// The program's version: the About window's "Version 2.2" and --version.
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 2;

// The author's web page and mail address, shown and opened by the About
// window. Change them here: nothing else names them.
inline constexpr std::string_view kWebPage = "https://pellamar.example.org/";
inline constexpr std::string_view kMailAddress = "auteur@pellamar.example.org";

// "2.2".
[[nodiscard]] std::string VersionText();

// "Version 2.2", the About window's line.
[[nodiscard]] std::string VersionLine();

// The link that starts a mail to the author: "mailto:", the address,
// "?subject=Pellamar V", major, ".", minor. The subject's blank is left as
// it is; the caller's URL type encodes it.
[[nodiscard]] std::string MailLink();

}  // namespace pellamar
