#include "platform/RegistrySettings.h"

#include <vector>

#include "platform/Wide.h"
#include "platform/WinApi.h"

namespace quillet::win {

namespace {

class Key {
 public:
  Key() = default;
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

RegistrySettings::RegistrySettings(std::wstring root) : root_(std::move(root)) {}

std::wstring RegistrySettings::SectionPath(std::string_view section) const {
  return root_ + L'\\' + WidenCp949(section);
}

int RegistrySettings::ReadInt(std::string_view section, std::string_view key, int fallback) const {
  Key handle;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, handle.Out()) != ERROR_SUCCESS) {
    return fallback;
  }
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  const LONG result = RegQueryValueExW(handle.Get(), WidenCp949(key).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value), &size);
  if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return fallback;
  return static_cast<int>(value);
}

std::string RegistrySettings::ReadString(std::string_view section, std::string_view key,
                                         std::string_view fallback) const {
  Key handle;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, handle.Out()) != ERROR_SUCCESS) {
    return std::string(fallback);
  }
  const std::wstring name = WidenCp949(key);
  // The value may change between the size query and the read; try again until it fits.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(handle.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
      return std::string(fallback);
    }
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    const LONG result =
        RegQueryValueExW(handle.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::string(fallback);
    std::wstring_view text(buffer.data(), got / sizeof(wchar_t));
    const std::size_t end = text.find(L'\0');
    return NarrowToCp949(end == std::wstring_view::npos ? text : text.substr(0, end));
  }
  return std::string(fallback);
}

void RegistrySettings::WriteInt(std::string_view section, std::string_view key, int value) {
  Key handle;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      handle.Out(), nullptr) != ERROR_SUCCESS) {
    return;
  }
  const DWORD data = static_cast<DWORD>(value);
  RegSetValueExW(handle.Get(), WidenCp949(key).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                 sizeof data);
}

void RegistrySettings::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Key handle;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      handle.Out(), nullptr) != ERROR_SUCCESS) {
    return;
  }
  const std::wstring data = WidenCp949(value);
  RegSetValueExW(handle.Get(), WidenCp949(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

bool RegistrySettings::DeleteValue(std::string_view section, std::string_view key) {
  Key handle;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_SET_VALUE, handle.Out()) !=
      ERROR_SUCCESS) {
    return false;
  }
  return RegDeleteValueW(handle.Get(), WidenCp949(key).c_str()) == ERROR_SUCCESS;
}

bool RegistrySettings::HasSection(std::string_view section) const {
  Key handle;
  return RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, handle.Out()) == ERROR_SUCCESS;
}

}  // namespace quillet::win
