#include "settings/SettingsExchange.h"

#include "settings/DataLocations.h"

namespace quillet {

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kColor = "Color";

constexpr const char* kPaletteKeys[kPaletteSize] = {
    "Type00", "Type01", "Type02", "Type03", "Type04", "Type05",
    "Type06", "Type07", "Type08", "Type09", "Type10", "Type11",
};

constexpr const char* kSpecialDayKeys[kAnniversaryCategoryCount] = {
    "SpecialDay_0", "SpecialDay_1", "SpecialDay_2", "SpecialDay_3", "SpecialDay_4", "SpecialDay_5",
    "SpecialDay_6", "SpecialDay_7", "SpecialDay_8", "SpecialDay_9", "SpecialDay_10",
};

constexpr const char* kSpecialDayNames[kAnniversaryCategoryCount] = {
    "일반", "메모", "생일", "약속", "기념일", "병원", "제사", "사용자1", "사용자2", "사용자3", "사용자4",
};

}  // namespace

void ExchangeGeneral(SettingsExchange& x, GeneralSettings& g, ColorSettings& color) {
  x.Path(kGeneral, "MemoDBFolder", g.memoDbFolder);
  x.Text(kGeneral, "MemoDBFile", g.memoDbFile, "DefaultMemo.qld");
  x.Text(kGeneral, "AlarmVer", g.alarmVer, "");
  x.Path(kGeneral, "AlarmFile", g.alarmFile);
  x.Int(kGeneral, "BackgroundColor", g.backgroundColor, 16513776);
  x.Int(kGeneral, "DefaultColorType", g.defaultColorType, 0);
  x.Int(kGeneral, "SkinType", g.skinType, 0);
  x.Int(kGeneral, "StartDX", g.startDx, 180);
  x.Int(kGeneral, "StartDY", g.startDy, 100);
  x.Int(kGeneral, "MemoZPosition", g.memoZPosition, 0);
  x.Int(kGeneral, "Bold", g.bold, 0);
  x.Int(kGeneral, "UnderLine", g.underLine, 0);
  x.Int(kGeneral, "Italic", g.italic, 0);
  x.Int(kGeneral, "TextColor", g.textColor, 0);
  x.Int(kGeneral, "TextSize", g.textSize, 10);
  x.Text(kGeneral, "FontName", g.fontName, "굴림");
  x.Text(kGeneral, "TitleFont", g.titleFont, kDefaultTitleFont);
  x.Int(kGeneral, "ViewMemoOnStart", g.viewMemoOnStart, 1);
  x.Int(kGeneral, "ContractDX", g.contractDx, 180);
  x.Int(kGeneral, "FitTitleWidth", g.fitTitleWidth, 1);
  x.Int(kGeneral, "MinTransVal", g.minTransVal, 255);
  x.Int(kGeneral, "MaxTransVal", g.maxTransVal, 255);
  x.Int(kGeneral, "Docking", g.docking, 1);
  x.Int(kGeneral, "DockingSize", g.dockingSize, 10);
  x.Int(kGeneral, "StartProgram", g.startProgram, 1);
  x.Int(kGeneral, "SortStart", g.sortStart, 15);
  x.Int(kGeneral, "MouseOverHiding", g.mouseOverHiding, 0);
  x.Int(kGeneral, "HotKeyClockViewTime", g.hotKeyClockViewTime, 4);
  x.Int(kGeneral, "UseRestore", g.useRestore, 1);
  x.Int(kGeneral, "CaptureAlwaysTop", g.captureAlwaysTop, 1);
  for (int i = 0; i < kPaletteSize; ++i) {
    x.Int(kColor, kPaletteKeys[i], color.palette[i], kDefaultPalette[i], Persist::Preferences);
  }
  x.Int(kColor, "RandomColor", color.randomColor, 0);
  x.Int(kGeneral, "SimpleMemoInactive", g.simpleMemoInactive, 1);
  x.Int(kGeneral, "ViewEditTime", g.viewEditTime, 1);
  x.Int(kGeneral, "InactiveTitleCol", g.inactiveTitleCol, 8404992);
  x.Int(kGeneral, "LeftBtnClickRun", g.leftBtnClickRun, 0);
  x.Int(kGeneral, "ShowTrayIcon", g.showTrayIcon, 1);
  x.Int(kGeneral, "MemoTipMode", g.memoTipMode, 4);
  x.Int(kGeneral, "ColMemoTipArround", g.colMemoTipArround, 16764584, Persist::Never);
  x.Int(kGeneral, "WorkMonitor", g.workMonitor, 0);
  x.Int(kGeneral, "EnableDesktop", g.enableDesktop, 0);
  x.Int(kGeneral, "AllowAllMinimize", g.allowAllMinimize, 1, Persist::Never);
  x.Int(kGeneral, "ScrollMode", g.scrollMode, 0);
  x.Int(kGeneral, "RestoreScrollPos", g.restoreScrollPos, 1);
  x.Int(kGeneral, "HotKeyToggle", g.hotKeyToggle, 0);
  x.Int(kGeneral, "HyperLink", g.hyperLink, 1);
  x.Int(kGeneral, "EnableHotKey", g.enableHotKey, 1, Persist::Never);
}

void ExchangeClock(SettingsExchange& x, ClockSettings& c) {
  constexpr const char* kClock = "Clock";
  x.Int(kClock, "TransVal", c.transVal, 255);
  x.Int(kClock, "MouseOverHiding", c.mouseOverHiding, 0);
  x.Int(kClock, "ViewMode", c.viewMode, 2);
  x.Int(kClock, "ZPosition", c.zPosition, 1);
  x.Text(kClock, "SpecialAlarm", c.specialAlarm, "");
  x.Int(kClock, "SpecialTime_0", c.specialTime0, 0);
  x.Int(kClock, "SpecialTime_30", c.specialTime30, 30);
  x.Int(kClock, "SpecialTime_2", c.specialTimes[0], -1);
  x.Int(kClock, "SpecialTime_3", c.specialTimes[1], -1);
  x.Int(kClock, "SpecialTime_4", c.specialTimes[2], -1);
  x.Int(kClock, "ViewingBeforeTime", c.viewingBeforeTime, 3);
  x.Int(kClock, "ViewingAfterTime", c.viewingAfterTime, 1);
  x.Int(kClock, "StartView", c.startView, 1);
  x.Int(kClock, "AllowMove", c.allowMove, 1);
  ExchangeClockPosition(x, c);
}

void ExchangeClockPosition(SettingsExchange& x, ClockSettings& c) {
  x.Path("Clock", "SkinFile", c.skinFile);
  x.Position("Clock", "WinSXSY", c.position, Point{0, 0});
}

void ExchangeCalendar(SettingsExchange& x, CalendarSettings& c) {
  constexpr const char* kCalendar = "Calendar";
  x.Int(kCalendar, "TransVal", c.transVal, 255);
  x.Int(kCalendar, "MouseOverHiding", c.mouseOverHiding, 0);
  x.Int(kCalendar, "AutoStart", c.autoStart, 1);
  x.Int(kCalendar, "AlarmType", c.alarmType, 0);
  x.Int(kCalendar, "Position160", c.position160, 0);
  x.Int(kCalendar, "ShowToolTip", c.showToolTip, 1);
  x.Int(kCalendar, "MemorialDayCheck", c.memorialDayCheck, 1);
  x.Path(kCalendar, "SkinFile", c.skinFile);
  x.Position(kCalendar, "WinSXSY", c.position, Point{260, 430});
  x.Int(kCalendar, "AllowMove", c.allowMove, 1);
  for (int i = 0; i < kAnniversaryCategoryCount; ++i) {
    x.Text(kCalendar, kSpecialDayKeys[i], c.specialDays[i], kSpecialDayNames[i], Persist::Never);
  }
}

void ExchangeWidget(SettingsExchange& x, const char* section, WidgetSettings& w, Point defaultPosition) {
  x.Int(section, "TransVal", w.transVal, 255);
  x.Int(section, "MouseOverHiding", w.mouseOverHiding, 0);
  x.Int(section, "StartMode", w.startMode, 2);
  x.Int(section, "Position", w.zPosition, 0);
  x.Path(section, "SkinFile", w.skinFile);
  x.Position(section, "WinSXSY", w.position, defaultPosition);
  x.Int(section, "AllowMove", w.allowMove, 1);
}

void ExchangeLauncherFile(SettingsExchange& x, std::string& rauncherFile, const std::string& userFilesFolder) {
  x.Text("Rauncher", "RauncherFile", rauncherFile, userFilesFolder + kLauncherFileName, Persist::Never);
}

void ExchangeAlarm(SettingsExchange& x, AlarmSettings& a) {
  constexpr const char* kAlarm = "Alarm";
  x.Int(kAlarm, "DefaultType", a.defaultType, 0);
  x.Int(kAlarm, "BeforeAlarm", a.beforeAlarm, 0);
  x.Int(kAlarm, "BeforeAlarmType", a.beforeAlarmType, 0, Persist::Never);
  x.Int(kAlarm, "AlarmType", a.alarmType, 0);
  x.Int(kAlarm, "AutoCloseTime", a.autoCloseTime, 5);
  x.Text(kAlarm, "Sound", a.sound, "");
}

void ExchangeHotkeys(SettingsExchange& x, HotkeyTable& hotkeys) {
  const HotkeyTable defaults = DefaultHotkeys();
  for (int id = 0; id < kHotkeyCount; ++id) {
    std::string text = FormatHotkey(hotkeys[id]);
    x.Text("HotKey", HotkeySettingKey(id).c_str(), text, "");
    hotkeys[id] = ParseHotkey(text, defaults[id]);
  }
}

void ExchangeAll(SettingsExchange& x, Settings& s, const std::string& userFilesFolder) {
  ExchangeGeneral(x, s.general, s.color);
  ExchangeClock(x, s.clock);
  ExchangeCalendar(x, s.calendar);
  ExchangeWidget(x, "Schedule", s.schedule, kSchedulePosition);
  ExchangeWidget(x, "Rauncher", s.rauncher, kLauncherPosition);
  ExchangeLauncherFile(x, s.rauncherFile, userFilesFolder);
  ExchangeAlarm(x, s.alarm);
  ExchangeHotkeys(x, s.hotkeys);
}

}  // namespace quillet
