#pragma once

#include <string>

#include "settings/SettingsBackend.h"

namespace quillet::win {

// Settings under HKEY_CURRENT_USER\<root>\<section>, as the profile functions keep them:
// integers as REG_DWORD, strings as REG_SZ. A value of the other type reads as missing.
class RegistrySettings final : public SettingsBackend {
 public:
  explicit RegistrySettings(std::wstring root);

  int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const override;
  void WriteInt(std::string_view section, std::string_view key, int value) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::wstring SectionPath(std::string_view section) const;

  std::wstring root_;
};

// Where the program keeps its settings in registry mode.
constexpr const wchar_t* kSettingsRegistryRoot = L"Software\\Quillet Program\\Quillet";

}  // namespace quillet::win
