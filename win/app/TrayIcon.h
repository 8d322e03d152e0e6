#pragma once

#include <optional>

#include "framework/Handles.h"
#include "platform/WinApi.h"

namespace quillet::win {

// The program's icon in the taskbar's notification area. Mouse events on it reach the main frame
// as kTrayIconMessage with the mouse message in lParam.
class TrayIcon {
 public:
  TrayIcon(HWND frame, HINSTANCE instance);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // "ShowTrayIcon": added when switched on, removed when switched off.
  void Show(bool shown);
  // Today as the icon shows it while there is a calendar.
  struct Day {
    int day = 1;
    int weekday = 0;  // 0 Sunday … 6 Saturday
    bool holiday = false;
  };
  // The icon drawn again (after start-up and every day change): today's date on a small page,
  // or the program's icon without a calendar.
  void Update(const std::optional<Day>& today);
  // The shell started again ("TaskbarCreated") and knows no icons: add ours anew.
  void Restore();

 private:
  bool Notify(DWORD action);
  HICON Current() const { return dayIcon_ ? dayIcon_.Get() : icon_.Get(); }

  HWND frame_;
  OwnedIcon icon_;
  OwnedIcon dayIcon_;
  bool shown_ = false;  // as asked, whether or not the shell took it
};

}  // namespace quillet::win
