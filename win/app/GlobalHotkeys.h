#pragma once

#include "platform/WinApi.h"
#include "settings/Hotkeys.h"

namespace quillet::win {

// The program's system-wide hotkeys on the main frame, each with its entry's index as the id, so
// WM_HOTKEY's wParam names the action. Released when this goes.
class GlobalHotkeys {
 public:
  GlobalHotkeys(HWND frame, const HotkeyTable& table) : frame_(frame), table_(table) {}
  ~GlobalHotkeys();
  GlobalHotkeys(const GlobalHotkeys&) = delete;
  GlobalHotkeys& operator=(const GlobalHotkeys&) = delete;

  // Every entry that has keys. A combination another program holds is passed over in silence.
  void RegisterAll();
  // The entry again with its current keys (none when `enable` is off or it has none). False when
  // Windows refused the combination.
  bool Reregister(int id, bool enable);

 private:
  bool Register(const HotkeyEntry& entry);

  HWND frame_;
  const HotkeyTable& table_;
};

}  // namespace quillet::win
