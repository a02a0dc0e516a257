#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "platform/user_notice.h"

namespace pellamar {

// Asks the desktop to open an address or a document with its handler;
// false when nothing could open it.
using UrlOpener = std::function<bool(const QUrl&)>;

// The desktop's own opener (QDesktopServices). For a local file on a desktop
// with shared MIME handlers (xdg-mime) it first checks that some program is
// registered for the file's type, since the desktop's launcher reports
// success even when no program takes the file.
[[nodiscard]] bool OpenWithDesktop(const QUrl& url);

// The help: Pellamar.chm of the program's folder, opened by the desktop's
// handler; when it is missing or no handler takes it, our own French page
// Pellamar.html of the same folder.
class HelpOpener {
 public:
  static constexpr char kHelpFile[] = "Pellamar.chm";
  static constexpr char kHelpPage[] = "Pellamar.html";

  HelpOpener(QString program_folder, UrlOpener open, UserNotice& notice)
      : folder_(std::move(program_folder)), open_(std::move(open)), notice_(notice) {}

  // Opens the help. Returns the file handed to the desktop, or an empty
  // string after telling the user that neither file could be opened.
  QString Open();

 private:
  QString folder_;
  UrlOpener open_;
  UserNotice& notice_;
};

}  // namespace pellamar
