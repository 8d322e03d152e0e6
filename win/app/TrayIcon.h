#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The program's icon in the taskbar's notification area. Mouse events on it reach the main frame
// as message 1124 (kTrayMessage) with the mouse message in lParam.
class TrayIcon {
 public:
  static constexpr UINT kTrayMessage = 1124;

  TrayIcon(HWND frame, HINSTANCE instance);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // "ShowTrayIcon": added when switched on, removed when switched off.
  void Show(bool shown);
  // The icon drawn again (after start-up and every day change).
  void Update();
  // The shell started again ("TaskbarCreated") and knows no icons: add ours anew.
  void Restore();

 private:
  bool Notify(DWORD action);

  HWND frame_;
  HICON icon_;
  bool shown_ = false;  // as asked, whether or not the shell took it
};

}  // namespace quillet::win
