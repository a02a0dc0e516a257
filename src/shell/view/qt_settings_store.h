#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <QString>

#include "platform/settings_store.h"

class QSettings;

namespace pellamar {

// The settings store as an INI file read and written through QSettings.
// QSettings compares names with case on Linux; this store does not: a read
// finds a key whatever its case ("para" finds "Para"), and a write replaces
// the key in the spelling the file already holds instead of adding a second
// one. Sections are matched the same way. Texts are UTF-8. Changes reach the
// file when the store is destroyed, or earlier when Qt's event loop syncs it.
class QtSettingsStore final : public SettingsStore {
 public:
  // The store in the INI file at ini_path (created on the first write).
  explicit QtSettingsStore(const QString& ini_path);
  QtSettingsStore(QtSettingsStore&&) noexcept;
  QtSettingsStore& operator=(QtSettingsStore&&) noexcept;
  ~QtSettingsStore() override;

  // The user's own store: <application>.ini in the per-user configuration
  // folder (on Linux ~/.config/<application>/<application>.ini), where
  // <application> is the executable's file name without its extension.
  // Needs the QCoreApplication to exist.
  [[nodiscard]] static QtSettingsStore ForCurrentUser();

  // The stored text, or fallback when the key is absent. A value holding
  // commas outside quotes (as in "4567,8") is returned whole.
  [[nodiscard]] std::string Read(std::string_view section, std::string_view key,
                                 std::string_view fallback) const override;
  // Stores text under the key's existing spelling, or as given when new.
  void Write(std::string_view section, std::string_view key, std::string_view text) override;

  // The INI file's path.
  [[nodiscard]] QString FilePath() const;

 private:
  // The "section/key" path as the file spells it, or empty when absent.
  [[nodiscard]] QString StoredKeyPath(const QString& section, const QString& key) const;

  std::unique_ptr<QSettings> settings_;
};

}  // namespace pellamar
