#pragma once

#include <string>
#include <string_view>

namespace quillet {

// Named values in sections, as the profile functions keep them. A string read returns the
// fallback only when the key is missing; a key that exists with no text reads as "".
class SettingsBackend {
 public:
  virtual ~SettingsBackend() = default;
  virtual int ReadInt(std::string_view section, std::string_view key, int fallback) const = 0;
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const = 0;
  virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
  virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace quillet
