#include "shell/view/help_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace pellamar {
namespace {

// True unless xdg-mime is there and names no program for the file's type.
bool DesktopHasHandlerFor(const QString& file) {
  const QString xdg_mime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (xdg_mime.isEmpty()) return true;
  const QString type = QMimeDatabase().mimeTypeForFile(file).name();
  QProcess query;
  query.start(xdg_mime, {QStringLiteral("query"), QStringLiteral("default"), type});
  constexpr int kWaitMs = 3000;
  if (!query.waitForFinished(kWaitMs)) {
    query.kill();
    query.waitForFinished();
    return true;
  }
  return !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

bool OpenWithDesktop(const QUrl& url) {
#ifndef Q_OS_WIN
  if (url.isLocalFile() && !DesktopHasHandlerFor(url.toLocalFile())) return false;
#endif
  return QDesktopServices::openUrl(url);
}

QString HelpOpener::Open() {
  const QDir folder(folder_);
  for (const char* name : {kHelpFile, kHelpPage}) {
    const QString path = folder.absoluteFilePath(QString::fromLatin1(name));
    if (QFileInfo::exists(path) && open_(QUrl::fromLocalFile(path))) return path;
  }
  const std::string text = "Impossible d'ouvrir l'aide : ni " + std::string(kHelpFile) + " ni " +
                           std::string(kHelpPage) + " ne s'ouvrent depuis le dossier " +
                           QDir::toNativeSeparators(folder.absolutePath()).toStdString();
  notice_.Message(text);
  return {};
}

}  // namespace pellamar
