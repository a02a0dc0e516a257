#pragma once

#include <string>
#include <string_view>

namespace pellamar {

// The per-user settings store: texts by section and key. Key names are
// compared without regard to case ("para" finds "Para").
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or fallback when the key is absent.
  virtual std::string Read(std::string_view section, std::string_view key,
                           std::string_view fallback) const = 0;
  virtual void Write(std::string_view section, std::string_view key, std::string_view text) = 0;
};

}  // namespace pellamar
