#pragma once

#include <array>
#include <string>

#include "geometry/Rect.h"
#include "settings/Hotkeys.h"

namespace quillet {

// The working values of every setting. Defaults live with the key tables (SettingsExchange);
// the members here start at those defaults once a store has loaded.
struct GeneralSettings {
  std::string memoDbFolder;  // the folder the user chose, as stored
  std::string memoDbFile;
  std::string alarmVer;
  std::string alarmFile;  // as stored
  int backgroundColor = 0;
  int defaultColorType = 0;
  int skinType = 0;
  int startDx = 0;
  int startDy = 0;
  int bold = 0;
  int underLine = 0;
  int italic = 0;
  int textColor = 0;
  int textSize = 0;
  std::string fontName;
  std::string titleFont;
  int memoZPosition = 0;
  int viewMemoOnStart = 0;
  int contractDx = 0;
  int fitTitleWidth = 0;
  int minTransVal = 0;
  int maxTransVal = 0;
  int docking = 0;
  int dockingSize = 0;
  int startProgram = 0;
  int sortStart = 0;
  int mouseOverHiding = 0;
  int hotKeyClockViewTime = 0;
  int useRestore = 0;
  int captureAlwaysTop = 0;
  int simpleMemoInactive = 0;
  int viewEditTime = 0;
  int inactiveTitleCol = 0;
  int leftBtnClickRun = 0;
  int showTrayIcon = 0;
  int memoTipMode = 0;
  int colMemoTipArround = 0;
  int workMonitor = 0;
  int enableDesktop = 0;
  int allowAllMinimize = 0;
  int scrollMode = 0;
  int restoreScrollPos = 0;
  int hotKeyToggle = 0;
  int hyperLink = 0;
  int enableHotKey = 0;

  // Derived at load, never stored: where the memos and the alarms are this session. They differ
  // from the stored values only while a stored location is unavailable.
  std::string dataFolder;  // ends with one backslash; empty when no folder could be made
  std::string alarmPath;
};

// Values fixed while the general section loads; never stored.
struct FixedMemoValues {
  static constexpr int kNewMemoFrameColor = 13027014;  // 0xC6C6C6
  static constexpr int kNewMemoBackgroundColor = 11910870;  // 0xB5BED6
};

constexpr int kPaletteSize = 12;

// Colour 0x774400, regular, height 14, Tahoma.
constexpr const char* kDefaultTitleFont = "7816192|0|0|0|14|Tahoma";

struct ColorSettings {
  std::array<int, kPaletteSize> palette{};  // "색상 1" ... "색상 12"
  int randomColor = 0;
};

struct ClockSettings {
  int transVal = 0;
  int mouseOverHiding = 0;
  int viewMode = 0;
  int specialTime0 = 0;
  int specialTime30 = 0;
  std::array<int, 3> specialTimes{};  // SpecialTime_2 ... SpecialTime_4
  int viewingBeforeTime = 0;
  int viewingAfterTime = 0;
  std::string specialAlarm;
  std::string skinFile;
  Point position;
  int zPosition = 0;
  int startView = 0;
  int allowMove = 0;
};

constexpr int kAnniversaryCategoryCount = 11;

struct CalendarSettings {
  int transVal = 0;
  int mouseOverHiding = 0;
  int autoStart = 0;
  int alarmType = 0;
  std::string skinFile;
  Point position;
  int position160 = 0;  // z-position
  int showToolTip = 0;
  int memorialDayCheck = 0;
  std::array<std::string, kAnniversaryCategoryCount> specialDays;
  int allowMove = 0;
};

// The schedule view and the launcher keep the same keys.
struct WidgetSettings {
  int transVal = 0;
  int mouseOverHiding = 0;
  int startMode = 0;
  std::string skinFile;
  Point position;
  int zPosition = 0;  // stored as "Position"
  int allowMove = 0;
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
