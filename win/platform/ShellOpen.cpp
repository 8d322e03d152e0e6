#include "platform/ShellOpen.h"

#include "platform/WinApi.h"

#include <shellapi.h>

#include "platform/Wide.h"

namespace quillet::win {

void OpenWithShell(const std::string& address) {
  ShellExecuteW(nullptr, L"open", WidenCp949(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quillet::win
