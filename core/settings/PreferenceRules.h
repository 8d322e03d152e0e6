#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace quillet {

// A combo box of evenly spaced numbers: item i stands for first + step × i.
struct ValueGrid {
  int first;
  int step;
  int count;
};

constexpr ValueGrid kNewMemoWidthGrid{100, 10, 21};   // "StartDX": "100" … "300"
constexpr ValueGrid kNewMemoHeightGrid{60, 10, 25};   // "StartDY": "60" … "300"
constexpr ValueGrid kFoldedWidthGrid{60, 10, 25};     // "ContractDX": "60" … "300"
constexpr ValueGrid kSecondsAroundGrid{1, 1, 10};     // "ViewingBeforeTime", "ViewingAfterTime": "1초" … "10초"
constexpr ValueGrid kClockShownSecondsGrid{1, 1, 15};  // "HotKeyClockViewTime": "1초" … "15초"

// The item showing a stored value; a value off the grid or out of range shows the nearest item.
int GridIndexOf(const ValueGrid& grid, int value);
// The value of an item; nothing for an index outside the grid (CB_ERR among them), so that the
// caller keeps what is stored.
std::optional<int> GridValueAt(const ValueGrid& grid, int index);

// Combos whose item index is the stored value ("SkinType", "MemoTipMode", "LeftBtnClickRun",
// z-positions, "ShowToolTip", "AlarmType", "StartMode", "WorkMonitor"): the stored value clamped
// to the items.
int ChoiceIndexOf(int value, int count);

// The clock's user minutes: item 0 "Off" is −1, items 1–59 that minute. Out-of-range values
// show "Off" below 1 and "59" above 59.
int MinuteIndexOf(int minute);
std::optional<int> MinuteAt(int index);
// "SpecialTime_0" is 0 when shown and "SpecialTime_30" 30; −1 switches either off.
constexpr int kMinuteOff = -1;
constexpr bool IsMinuteOn(int stored) { return stored >= 0; }

// The sliders' range and their label, "%d %c" of ⌊value × 0.39215687⌋ and '%' ("100 %").
constexpr int kMinTransparency = 26;
constexpr int kMaxTransparency = 255;
int ClampTransparency(int value);
std::string TransparencyLabel(int value);

// "마우스 선택시 메모 사라짐" works only without a folded-memo tip.
constexpr bool MemoHidingSelectable(int memoTipMode) { return memoTipMode == 0; }
// What "MouseOverHiding" stores when a page is applied: 0 whenever a tip mode is chosen.
int StoredMemoHiding(int memoTipMode, bool boxTicked);

// Page 0's "항상 위" box: ticked for "MemoZPosition" 1; unticking turns 1 into 0 and keeps any
// other stored position.
constexpr bool IsMemoAlwaysOnTop(int memoZPosition) { return memoZPosition == 1; }
int StoredMemoZPosition(int stored, bool boxTicked);

// What "기본값" puts on each page. Settings the pages keep unchanged are not here.
struct MemoPageDefaults {
  static constexpr int kStartDx = 180;
  static constexpr int kStartDy = 100;
  static constexpr int kContractDx = 180;
  static constexpr int kTransparency = 255;
  static constexpr int kTextColorIndex = 0;
  static constexpr int kTextSizeIndex = 2;  // 10 points
  static constexpr int kSkinType = 0;
  static constexpr int kFitTitleWidth = 1;
  static constexpr int kMemoTipMode = 1;
  static constexpr int kMouseOverHiding = 0;
  static constexpr int kInactiveTitleCol = 0x804000;
  static constexpr int kRestoreScrollPos = 1;
  static constexpr int kHyperLink = 1;
};
struct ProgramPageDefaults {
  static constexpr int kDocking = 1;
  static constexpr int kStartProgram = 1;
  static constexpr int kViewMemoOnStart = 1;
  static constexpr int kHotKeyToggle = 0;
  static constexpr int kShowTrayIcon = 1;
  static constexpr int kLeftBtnClickRun = 0;
  static constexpr int kCaptureAlwaysTop = 0;
};
// The twelve colours of a new palette, and "RandomColor" 0.
const ColorSettings& DefaultColors();
struct ClockPageDefaults {
  static constexpr int kViewMode = 2;
  static constexpr int kMouseOverHiding = 0;
  static constexpr int kSpecialTime0 = 0;
  static constexpr int kSpecialTime30 = 30;
  static constexpr int kUserMinute = kMinuteOff;
  static constexpr int kViewingBeforeTime = 3;
  static constexpr int kViewingAfterTime = 1;
  static constexpr int kHotKeyClockViewTime = 3;
  static constexpr int kZPosition = 1;
  static constexpr int kStartView = 1;
  static constexpr int kTransVal = 255;
};
struct CalendarPageDefaults {
  static constexpr int kMouseOverHiding = 0;
  static constexpr int kAutoStart = 1;
  static constexpr int kPosition160 = 0;
  static constexpr int kShowToolTip = 1;
  static constexpr int kMemorialDayCheck = 1;
  static constexpr int kAlarmType = 0;
  static constexpr int kScheduleStartMode = 2;
  static constexpr int kTransVal = 255;
};

// Portable mode needs the data folder below the program folder: the folder begins with it, in
// any letter case of ASCII (CP949 trail bytes are compared as they are).
bool IsBelowProgramFolder(std::string_view dataFolder, std::string_view programFolder);

// The autostart value: "\"<exe path>\" /logon". Wide, because the program's path may hold
// characters that CP949 lacks.
std::wstring AutostartCommand(std::wstring_view exePath);

}  // namespace quillet
