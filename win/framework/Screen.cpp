#include "framework/Screen.h"

namespace quillet::win {

void CentreOnCursorMonitor(HWND hwnd, HWND insertAfter) {
  POINT cursor{};
  GetCursorPos(&cursor);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT window{};
  GetWindowRect(hwnd, &window);
  const RECT& area = monitor.rcWork;
  SetWindowPos(hwnd, insertAfter, area.left + (area.right - area.left - (window.right - window.left)) / 2,
               area.top + (area.bottom - area.top - (window.bottom - window.top)) / 2, 0, 0, SWP_NOSIZE);
}

void PresentForTyping(HWND dialog, HWND edit) {
  CentreOnCursorMonitor(dialog, HWND_TOPMOST);
  SetForegroundWindow(dialog);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
}

}  // namespace quillet::win
