#include "places/view/city_file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "places/city_file.h"

namespace pellamar {

std::optional<std::string> ReadCityFileAt(const QString& path) {
  return ReadCityFile(std::filesystem::path(QFile::encodeName(path).toStdString()));
}

bool WriteCityFileAt(const QString& path, std::string_view bytes) {
  // A read-only file stays as it is, although its folder would let a new
  // file be renamed over it. Tried, not guessed from the mode bits: opening
  // for appending changes nothing and honours access lists and mounts.
  const QFileInfo info(path);
  if (info.exists()) {
    QFile existing(path);
    if (!info.isFile() || !existing.open(QIODevice::Append)) return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace pellamar
