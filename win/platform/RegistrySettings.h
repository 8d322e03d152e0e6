#pragma once

#include <string>

#include "settings/RunHistory.h"
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
  // False when there was no such value.
  bool DeleteValue(std::string_view section, std::string_view key);
  bool HasSection(std::string_view section) const;

 private:
  std::wstring SectionPath(std::string_view section) const;

  std::wstring root_;
};

// One section's string values, for the run box's history.
class RegistryHistoryValues final : public HistoryValues {
 public:
  RegistryHistoryValues(RegistrySettings& registry, std::string section)
      : registry_(registry), section_(std::move(section)) {}
  std::string Read(std::string_view name) const override { return registry_.ReadString(section_, name, ""); }
  void Write(std::string_view name, std::string_view value) override { registry_.WriteString(section_, name, value); }
  bool Delete(std::string_view name) override { return registry_.DeleteValue(section_, name); }

 private:
  RegistrySettings& registry_;
  std::string section_;
};

// Where the program keeps its settings in registry mode.
constexpr const wchar_t* kSettingsRegistryRoot = L"Software\\Quillet Program\\Quillet";

}  // namespace quillet::win
