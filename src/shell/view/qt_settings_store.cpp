#include "shell/view/qt_settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace pellamar {
namespace {

[[nodiscard]] QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& ini_path)
    : settings_(std::make_unique<QSettings>(ini_path, QSettings::IniFormat)) {}

QtSettingsStore::QtSettingsStore(QtSettingsStore&&) noexcept = default;
QtSettingsStore& QtSettingsStore::operator=(QtSettingsStore&&) noexcept = default;
QtSettingsStore::~QtSettingsStore() = default;

QtSettingsStore QtSettingsStore::ForCurrentUser() {
  QString application = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  if (application.isEmpty()) application = QStringLiteral("pellamar");
  // QSettings only tells the per-user folder; the file is then opened by path.
  const QSettings locator(QSettings::IniFormat, QSettings::UserScope, application, application);
  return QtSettingsStore(locator.fileName());
}

QString QtSettingsStore::FilePath() const { return settings_->fileName(); }

QString QtSettingsStore::StoredKeyPath(const QString& section, const QString& key) const {
  const QString wanted = section + QLatin1Char('/') + key;
  const QStringList keys = settings_->allKeys();
  for (const QString& stored : keys) {
    if (stored.compare(wanted, Qt::CaseInsensitive) == 0) return stored;
  }
  return {};
}

std::string QtSettingsStore::Read(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
  const QString path = StoredKeyPath(FromUtf8(section), FromUtf8(key));
  if (path.isEmpty()) return std::string(fallback);
  const QVariant value = settings_->value(path);
  if (!value.isValid()) return std::string(fallback);
  // QSettings splits an unquoted value at its commas into a list.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QLatin1Char(',')).toStdString();
  }
  return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view section, std::string_view key,
                            std::string_view text) {
  const QString wanted_section = FromUtf8(section);
  const QString wanted_key = FromUtf8(key);
  QString path = StoredKeyPath(wanted_section, wanted_key);
  if (path.isEmpty()) {
    QString stored_section = wanted_section;
    const QStringList groups = settings_->childGroups();
    for (const QString& group : groups) {
      if (group.compare(wanted_section, Qt::CaseInsensitive) == 0) stored_section = group;
    }
    path = stored_section + QLatin1Char('/') + wanted_key;
  }
  settings_->setValue(path, FromUtf8(text));
}

}  // namespace pellamar
