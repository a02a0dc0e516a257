#include "platform/memory_settings_store.h"

namespace pellamar {

std::string MemorySettingsStore::FoldedName(std::string_view section, std::string_view key) {
  std::string name;
  name.reserve(section.size() + 1 + key.size());
  const auto append_folded = [&name](std::string_view text) {
    for (char c : text) name.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  };
  append_folded(section);
  name.push_back('\n');
  append_folded(key);
  return name;
}

std::string MemorySettingsStore::Read(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
  const auto found = entries_.find(FoldedName(section, key));
  return found == entries_.end() ? std::string(fallback) : found->second;
}

void MemorySettingsStore::Write(std::string_view section, std::string_view key,
                                std::string_view text) {
  entries_.insert_or_assign(FoldedName(section, key), std::string(text));
}

}  // namespace pellamar
