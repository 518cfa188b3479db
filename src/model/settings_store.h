#pragma once

#include <string>

namespace tessaro {

// Persistent settings read and written as texts by section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Read(const std::string& section, const std::string& key,
                           const std::string& fallback) const = 0;
  virtual void Write(const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

}  // namespace tessaro
