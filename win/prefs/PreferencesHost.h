#pragma once

#include <functional>

#include "platform/WinApi.h"

namespace quillet {
class Clock;
class FileSystem;
class SettingsStore;
}  // namespace quillet

namespace quillet::win {

class CalendarWindow;
class ClockWindow;

// What the preferences change beyond the settings: the main frame's side of the dialog.
class PreferencesHost {
 public:
  // Every folded (or expanded) memo takes its stored transparency at once.
  virtual void ApplyMemoAlpha(bool folded) = 0;
  // Fold, alpha and simple view again on every memo: after pages 0 and 1, and as the simple-view
  // boxes change.
  virtual void ApplyMemoSettings() = 0;
  virtual void ShowTrayIcon(bool shown) = 0;
  // "StartMode" may have changed.
  virtual void UpdateScheduleView() = 0;
  virtual ClockWindow* ClockWidget() = 0;
  virtual CalendarWindow* CalendarWidget() = 0;
  // The clock's or calendar's settings changed: view mode, hiding, z-position, skin.
  virtual void ApplyClockSettings() = 0;
  virtual void ApplyCalendarSettings() = 0;
  // The entry `id` registered again with its keys now; false when Windows refused them.
  virtual bool ReregisterHotkey(int id) = 0;
  // Every setting written; a settings file that could not be written is reported. False then.
  virtual bool SaveSettings() = 0;
  // The anniversaries were added to, edited or deleted.
  virtual void AnniversariesChanged() = 0;
  // The dialog closed, after "확인" (`applied`) or "취소"; posted, so the dialog may go.
  virtual void PreferencesClosed(bool applied) = 0;

 protected:
  ~PreferencesHost() = default;
};

struct PreferencesServices {
  HWND frame;  // receives 1224 and the commands the pages send (the groups dialog)
  SettingsStore& settings;
  FileSystem& files;
  const Clock& clock;
  int monitorCount;
  PreferencesHost& host;
};

}  // namespace quillet::win
