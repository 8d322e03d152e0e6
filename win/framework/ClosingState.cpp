#include "framework/ClosingState.h"

#include <vector>

#include "framework/Dialog.h"

namespace quillet::win {

namespace {

bool InMenu() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) &&
         (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

// Dialogs of the system (colour, file, print, folder) that hold an owner disabled: they run a
// modal loop inside some handler of ours. Cancelling them ends it.
bool CancelSystemDialogs() {
  std::vector<HWND> dialogs;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM found) -> BOOL {
        wchar_t className[16] = {};
        const HWND owner = GetWindow(hwnd, GW_OWNER);
        if (IsWindowVisible(hwnd) && owner && !IsWindowEnabled(owner) && GetClassNameW(hwnd, className, 16) &&
            lstrcmpW(className, L"#32770") == 0) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&dialogs));
  for (HWND dialog : dialogs) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  return !dialogs.empty();
}

}  // namespace

bool ClosingState::Begin() {
  closing_ = true;
  const bool nested = WindowBase::HandlersRunning() > 1;
  const bool menu = InMenu();
  if (menu) EndMenu();
  const bool ours = Dialog::EndAllModal(IDNO);
  const bool system = CancelSystemDialogs();
  return nested || menu || ours || system;
}

}  // namespace quillet::win
