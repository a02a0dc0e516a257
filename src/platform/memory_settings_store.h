#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace pellamar {

// A settings store held in memory, for tests. Section and key names are
// compared without regard to (ASCII) case.
class MemorySettingsStore final : public SettingsStore {
 public:
  // The stored text, or fallback when the key is absent.
  [[nodiscard]] std::string Read(std::string_view section, std::string_view key,
                                 std::string_view fallback) const override;
  // Stores text, replacing the entry whose names match in any case.
  void Write(std::string_view section, std::string_view key, std::string_view text) override;
  // How many distinct keys are stored, all sections together.
  [[nodiscard]] std::size_t Size() const { return entries_.size(); }

 private:
  // "section" + '\n' + "key", folded to lower case.
  [[nodiscard]] static std::string FoldedName(std::string_view section, std::string_view key);

  std::map<std::string, std::string, std::less<>> entries_;
};

}  // namespace pellamar
