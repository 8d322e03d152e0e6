#pragma once

#include <array>
#include <string>

#include "geometry/Rect.h"
#include "settings/Hotkeys.h"
#include "settings/Bgr.h"
#include "settings/SettingModes.h"

namespace quillet {

// The working values of every setting. Defaults live with the key tables (SettingsExchange);
// the members here start at those defaults once a store has loaded.
struct GeneralSettings {
  std::string memoDbFolder;  // the folder the user chose, as stored
  std::string memoDbFile;
  std::string alarmVer;
  std::string alarmFile;  // as stored
  Bgr backgroundColor;
  int defaultColorType = 0;
  TitleBarStyle skinType = TitleBarStyle::Raised;
  int startDx = 0;
  int startDy = 0;
  bool bold = false;
  bool underLine = false;
  bool italic = false;
  Bgr textColor;
  int textSize = 0;
  std::string fontName;
  std::string titleFont;
  ZPosition memoZPosition = ZPosition::Normal;
  bool viewMemoOnStart = false;
  int contractDx = 0;
  bool fitTitleWidth = false;
  int minTransVal = 0;
  int maxTransVal = 0;
  bool docking = false;
  int dockingSize = 0;
  bool startProgram = false;
  int sortStart = 0;
  bool mouseOverHiding = false;
  int hotKeyClockViewTime = 0;
  bool useRestore = false;
  bool captureAlwaysTop = false;
  bool simpleMemoInactive = false;
  bool viewEditTime = false;
  Bgr inactiveTitleCol;
  TrayClick leftBtnClickRun = TrayClick::ToggleMemos;
  bool showTrayIcon = false;
  MemoTipMode memoTipMode = MemoTipMode::None;
  Bgr colMemoTipArround;
  int workMonitor = 0;
  bool enableDesktop = false;
  bool allowAllMinimize = false;
  ScrollMode scrollMode = ScrollMode::None;
  bool restoreScrollPos = false;
  bool hotKeyToggle = false;
  bool hyperLink = false;
  bool enableHotKey = false;

  // Derived at load, never stored: where the memos and the alarms are this session. They differ
  // from the stored values only while a stored location is unavailable.
  std::string dataFolder;  // ends with one backslash; empty when no folder could be made
  std::string alarmPath;
};

// Values fixed while the general section loads; never stored.
struct FixedMemoValues {
  static constexpr int kNewMemoFrameColor = 13027014;  // 0xC6C6C6
  static constexpr Bgr kNewMemoBackgroundColor{0xB5BED6};
};

constexpr int kPaletteSize = 12;

// Colour 0x774400, regular, height 14, Tahoma.
constexpr const char* kDefaultTitleFont = "7816192|0|0|0|14|Tahoma";

struct ColorSettings {
  std::array<Bgr, kPaletteSize> palette{};  // "색상 1" ... "색상 12"
  bool randomColor = false;
};

struct ClockSettings {
  int transVal = 0;
  bool mouseOverHiding = false;
  ClockViewMode viewMode = ClockViewMode::Always;
  int specialTime0 = 0;
  int specialTime30 = 0;
  std::array<int, 3> specialTimes{};  // SpecialTime_2 ... SpecialTime_4
  int viewingBeforeTime = 0;
  int viewingAfterTime = 0;
  std::string specialAlarm;
  std::string skinFile;
  Point position;
  ZPosition zPosition = ZPosition::Normal;
  bool startView = false;
  bool allowMove = false;
};

constexpr int kAnniversaryCategoryCount = 11;

struct CalendarSettings {
  int transVal = 0;
  bool mouseOverHiding = false;
  bool autoStart = false;
  int alarmType = 0;
  std::string skinFile;
  Point position;
  ZPosition position160 = ZPosition::Normal;
  DayTips showToolTip = DayTips::Off;
  bool memorialDayCheck = false;
  std::array<std::string, kAnniversaryCategoryCount> specialDays;
  bool allowMove = false;
};

// The schedule view and the launcher keep the same keys.
struct WidgetSettings {
  int transVal = 0;
  bool mouseOverHiding = false;
  WidgetStartMode startMode = WidgetStartMode::Never;
  std::string skinFile;
  Point position;
  ZPosition zPosition = ZPosition::Normal;  // stored as "Position"
  bool allowMove = false;
};

struct AlarmSettings {
  int defaultType = 0;
  int beforeAlarm = 0;
  int beforeAlarmType = 0;
  int alarmType = 0;
  int autoCloseTime = 0;
  std::string sound;
};

struct Settings {
  GeneralSettings general;
  ColorSettings color;
  ClockSettings clock;
  CalendarSettings calendar;
  WidgetSettings schedule;
  WidgetSettings rauncher;
  std::string rauncherFile;
  AlarmSettings alarm;
  HotkeyTable hotkeys;

  // Derived skin folders, each ending with a backslash.
  std::string clockSkinFolder;
  std::string calendarSkinFolder;
  std::string scheduleSkinFolder;
  std::string rauncherSkinFolder;
};

}  // namespace quillet
