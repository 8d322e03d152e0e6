#include "framework/MessageLoop.h"

#include "platform/WinApi.h"

namespace quillet::win {

namespace {

bool IsDialog(HWND hwnd) {
  wchar_t className[16] = {};
  return hwnd && GetClassNameW(hwnd, className, 16) && lstrcmpW(className, L"#32770") == 0;
}

}  // namespace

int RunMessageLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    const HWND active = GetActiveWindow();
    if (IsDialog(active) && IsDialogMessageW(active, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace quillet::win
