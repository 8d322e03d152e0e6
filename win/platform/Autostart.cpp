#include "platform/Autostart.h"

#include <string>

#include "platform/SystemInfo.h"
#include "platform/WinApi.h"
#include "settings/PreferenceRules.h"

namespace quillet::win {

namespace {

constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kRunValue = L"Quillet Start";

}  // namespace

void SetAutostart(bool on) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  const std::wstring program = ProgramPath();
  if (on && !program.empty()) {
    const std::wstring command = AutostartCommand(program);
    RegSetValueExW(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  } else {
    RegDeleteValueW(key, kRunValue);
  }
  RegCloseKey(key);
}

}  // namespace quillet::win
