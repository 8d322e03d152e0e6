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
template <class Mode>
int ChoiceIndexOf(Mode value, int count) {
  return ChoiceIndexOf(static_cast<int>(value), count);
}
// The mode of item `index` of such a combo, which lists every mode in order.
template <class Mode>
constexpr Mode ChoiceAt(int index) {
  return static_cast<Mode>(index);
}

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
constexpr bool MemoHidingSelectable(MemoTipMode mode) { return mode == MemoTipMode::None; }
// What "MouseOverHiding" stores when a page is applied: off whenever a tip mode is chosen.
constexpr bool StoredMemoHiding(MemoTipMode mode, bool boxTicked) { return mode == MemoTipMode::None && boxTicked; }

// Page 0's "항상 위" box: ticked for always on top; unticking turns that into normal and keeps
// any other stored position.
constexpr bool IsMemoAlwaysOnTop(ZPosition z) { return z == ZPosition::AlwaysOnTop; }
constexpr ZPosition StoredMemoZPosition(ZPosition stored, bool boxTicked) {
  if (boxTicked) return ZPosition::AlwaysOnTop;
  return stored == ZPosition::AlwaysOnTop ? ZPosition::Normal : stored;
}

// What "기본값" puts on each page. Settings the pages keep unchanged are not here.
struct MemoPageDefaults {
  static constexpr int kStartDx = 180;
  static constexpr int kStartDy = 100;
  static constexpr int kContractDx = 180;
  static constexpr int kTransparency = 255;
  static constexpr int kTextColorIndex = 0;
  static constexpr int kTextSizeIndex = 2;  // 10 points
  static constexpr TitleBarStyle kSkinType = TitleBarStyle::Raised;
  static constexpr bool kFitTitleWidth = true;
  static constexpr MemoTipMode kMemoTipMode = MemoTipMode::Hover;
  static constexpr bool kMouseOverHiding = false;
  static constexpr Bgr kInactiveTitleCol{0x804000};
  static constexpr bool kRestoreScrollPos = true;
  static constexpr bool kHyperLink = true;
};
struct ProgramPageDefaults {
  static constexpr bool kDocking = true;
  static constexpr bool kStartProgram = true;
  static constexpr bool kViewMemoOnStart = true;
  static constexpr bool kHotKeyToggle = false;
  static constexpr bool kShowTrayIcon = true;
  static constexpr TrayClick kLeftBtnClickRun = TrayClick::ToggleMemos;
  static constexpr bool kCaptureAlwaysTop = false;
};
// The twelve colours of a new palette, and "RandomColor" 0.
const ColorSettings& DefaultColors();
struct ClockPageDefaults {
  static constexpr ClockViewMode kViewMode = ClockViewMode::AtSetTimes;
  static constexpr bool kMouseOverHiding = false;
  static constexpr int kSpecialTime0 = 0;
  static constexpr int kSpecialTime30 = 30;
  static constexpr int kUserMinute = kMinuteOff;
  static constexpr int kViewingBeforeTime = 3;
  static constexpr int kViewingAfterTime = 1;
  static constexpr int kHotKeyClockViewTime = 3;
  static constexpr ZPosition kZPosition = ZPosition::AlwaysOnTop;
  static constexpr bool kStartView = true;
  static constexpr int kTransVal = 255;
};
struct CalendarPageDefaults {
  static constexpr bool kMouseOverHiding = false;
  static constexpr bool kAutoStart = true;
  static constexpr ZPosition kPosition160 = ZPosition::Normal;
  static constexpr DayTips kShowToolTip = DayTips::WhenSomething;
  static constexpr bool kMemorialDayCheck = true;
  static constexpr int kAlarmType = 0;
  static constexpr WidgetStartMode kScheduleStartMode = WidgetStartMode::WhenNeeded;
  static constexpr int kTransVal = 255;
};

// Portable mode needs the data folder below the program folder: the folder begins with it, in
// any letter case of ASCII (CP949 trail bytes are compared as they are).
bool IsBelowProgramFolder(std::string_view dataFolder, std::string_view programFolder);

// The autostart value: "\"<exe path>\" /logon". Wide, because the program's path may hold
// characters that CP949 lacks.
std::wstring AutostartCommand(std::wstring_view exePath);

}  // namespace quillet
