#include "shell/view/city_file_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "shell/city_file_location.h"

namespace pellamar {
namespace {

std::filesystem::path ToPath(const QString& s) { return std::filesystem::path(s.toStdU16String()); }
QString FromPath(const std::filesystem::path& p) { return QString::fromStdU16String(p.u16string()); }

CityFileFolders Folders(const QString& program_folder, const QString& user_folder) {
  return {ToPath(program_folder), ToPath(user_folder)};
}

bool UserCopyExists(const QString& user_folder) {
  return QFileInfo::exists(QDir(user_folder).filePath(QString::fromLatin1(kCityFileName)));
}

}  // namespace

QString UserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

bool FolderIsWritable(const QString& folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".pellamar-XXXXXX")));
  return probe.open();
}

QString CityFileForReadingIn(const QString& program_folder, const QString& user_folder) {
  return FromPath(CityFileToRead(Folders(program_folder, user_folder), UserCopyExists(user_folder)));
}

QString CityFileForWritingIn(const QString& program_folder, const QString& user_folder) {
  return FromPath(CityFileToWrite(Folders(program_folder, user_folder), UserCopyExists(user_folder),
                                  FolderIsWritable(program_folder)));
}

}  // namespace pellamar
