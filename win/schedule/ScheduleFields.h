#pragma once

#include <functional>
#include <string>

#include "framework/Gdi.h"
#include "framework/ToolTips.h"
#include "schedule/ScheduleRecord.h"

namespace quillet {
class Clock;
class FileSystem;
class SettingsStore;
}  // namespace quillet

namespace quillet::win {

class MemoWindow;

// What the schedule dialogs work with.
struct ScheduleDialogServices {
  HINSTANCE instance;
  SettingsStore& settings;
  FileSystem& files;
  const Clock& clock;
  std::function<MemoWindow*(const std::string& contentFile)> findMemo;  // in the open group
};

// The controls the schedule editor and the day page share: the time mode, the time button and
// its picker, the alert style, the display image, D-Day, the sound with its preview, the command
// and the message.
class ScheduleFields {
 public:
  explicit ScheduleFields(const ScheduleDialogServices& services) : services_(services) {}

  // Once, as `dialog` starts: the combos' items, the preview's picture and tip.
  void Attach(HWND dialog);
  // The record's values in the controls.
  void Show(const ScheduleRecord& record);
  void SetTime(int hour, int minute);
  int hour() const { return hour_; }
  int minute() const { return minute_; }
  TimeMode Mode() const;
  void SetMode(TimeMode mode);
  int AlertItem() const;

  // Clicks on the time button, the browse and preview buttons; true when the id was one of them.
  bool OnCommand(UINT id, UINT notification);
  // Called after the time picker's OK, which also sets the time mode to "일정 시간".
  std::function<void()> onTimePicked;

  // Sound, command, message, display image, D-Day, time and time mode into `record`.
  void ReadInto(ScheduleRecord& record) const;

 private:
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  void PickTime();
  void Browse(int field, const char* filterName, const wchar_t* pattern);

  HWND dialog_ = nullptr;
  const ScheduleDialogServices& services_;
  int hour_ = 0;
  int minute_ = 0;
  GdiObject<HBITMAP> speaker_;
  ToolTips tips_;
};

// Program text in and out of a dialog's controls.
std::string ControlText(HWND control);
void SetControlText(HWND control, const std::string& text);
void AddComboItems(HWND combo, std::initializer_list<const char*> items);

}  // namespace quillet::win
