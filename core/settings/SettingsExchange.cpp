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
  x.Color(kGeneral, "BackgroundColor", g.backgroundColor, Bgr{16513776});
  x.Int(kGeneral, "DefaultColorType", g.defaultColorType, 0);
  x.Choice(kGeneral, "SkinType", g.skinType, TitleBarStyle::Raised);
  x.Int(kGeneral, "StartDX", g.startDx, 180);
  x.Int(kGeneral, "StartDY", g.startDy, 100);
  x.Choice(kGeneral, "MemoZPosition", g.memoZPosition, ZPosition::Normal);
  x.Flag(kGeneral, "Bold", g.bold, false);
  x.Flag(kGeneral, "UnderLine", g.underLine, false);
  x.Flag(kGeneral, "Italic", g.italic, false);
  x.Color(kGeneral, "TextColor", g.textColor, Bgr{0});
  x.Int(kGeneral, "TextSize", g.textSize, 10);
  x.Text(kGeneral, "FontName", g.fontName, "굴림");
  x.Text(kGeneral, "TitleFont", g.titleFont, kDefaultTitleFont);
  x.Flag(kGeneral, "ViewMemoOnStart", g.viewMemoOnStart, true);
  x.Int(kGeneral, "ContractDX", g.contractDx, 180);
  x.Flag(kGeneral, "FitTitleWidth", g.fitTitleWidth, true);
  x.Int(kGeneral, "MinTransVal", g.minTransVal, 255);
  x.Int(kGeneral, "MaxTransVal", g.maxTransVal, 255);
  x.Flag(kGeneral, "Docking", g.docking, true);
  x.Int(kGeneral, "DockingSize", g.dockingSize, 10);
  x.Flag(kGeneral, "StartProgram", g.startProgram, true);
  x.Int(kGeneral, "SortStart", g.sortStart, 15);
  x.Flag(kGeneral, "MouseOverHiding", g.mouseOverHiding, false);
  x.Int(kGeneral, "HotKeyClockViewTime", g.hotKeyClockViewTime, 4);
  x.Flag(kGeneral, "UseRestore", g.useRestore, true);
  x.Flag(kGeneral, "CaptureAlwaysTop", g.captureAlwaysTop, true);
  for (int i = 0; i < kPaletteSize; ++i) {
    x.Color(kColor, kPaletteKeys[i], color.palette[i], kDefaultPalette[i], Persist::Preferences);
  }
  x.Flag(kColor, "RandomColor", color.randomColor, false);
  x.Flag(kGeneral, "SimpleMemoInactive", g.simpleMemoInactive, true);
  x.Flag(kGeneral, "ViewEditTime", g.viewEditTime, true);
  x.Color(kGeneral, "InactiveTitleCol", g.inactiveTitleCol, Bgr{8404992});
  x.Choice(kGeneral, "LeftBtnClickRun", g.leftBtnClickRun, TrayClick::ToggleMemos);
  x.Flag(kGeneral, "ShowTrayIcon", g.showTrayIcon, true);
  x.Choice(kGeneral, "MemoTipMode", g.memoTipMode, MemoTipMode::SelectedOrCtrlHover);
  x.Color(kGeneral, "ColMemoTipArround", g.colMemoTipArround, Bgr{16764584}, Persist::Never);
  x.Int(kGeneral, "WorkMonitor", g.workMonitor, 0);
  x.Flag(kGeneral, "EnableDesktop", g.enableDesktop, false);
  x.Flag(kGeneral, "AllowAllMinimize", g.allowAllMinimize, true, Persist::Never);
  x.Choice(kGeneral, "ScrollMode", g.scrollMode, ScrollMode::None);
  x.Flag(kGeneral, "RestoreScrollPos", g.restoreScrollPos, true);
  x.Flag(kGeneral, "HotKeyToggle", g.hotKeyToggle, false);
  x.Flag(kGeneral, "HyperLink", g.hyperLink, true);
  x.Flag(kGeneral, "EnableHotKey", g.enableHotKey, true, Persist::Never);
}

void ExchangeClock(SettingsExchange& x, ClockSettings& c) {
  constexpr const char* kClock = "Clock";
  x.Int(kClock, "TransVal", c.transVal, 255);
  x.Flag(kClock, "MouseOverHiding", c.mouseOverHiding, false);
  x.Choice(kClock, "ViewMode", c.viewMode, ClockViewMode::AtSetTimes);
  x.Choice(kClock, "ZPosition", c.zPosition, ZPosition::AlwaysOnTop);
  x.Text(kClock, "SpecialAlarm", c.specialAlarm, "");
  x.Int(kClock, "SpecialTime_0", c.specialTime0, 0);
  x.Int(kClock, "SpecialTime_30", c.specialTime30, 30);
  x.Int(kClock, "SpecialTime_2", c.specialTimes[0], -1);
  x.Int(kClock, "SpecialTime_3", c.specialTimes[1], -1);
  x.Int(kClock, "SpecialTime_4", c.specialTimes[2], -1);
  x.Int(kClock, "ViewingBeforeTime", c.viewingBeforeTime, 3);
  x.Int(kClock, "ViewingAfterTime", c.viewingAfterTime, 1);
  x.Flag(kClock, "StartView", c.startView, true);
  x.Flag(kClock, "AllowMove", c.allowMove, true);
  ExchangeClockPosition(x, c);
}

void ExchangeClockPosition(SettingsExchange& x, ClockSettings& c) {
  x.Path("Clock", "SkinFile", c.skinFile);
  x.Position("Clock", "WinSXSY", c.position, Point{0, 0});
}

void ExchangeCalendar(SettingsExchange& x, CalendarSettings& c) {
  constexpr const char* kCalendar = "Calendar";
  x.Int(kCalendar, "TransVal", c.transVal, 255);
  x.Flag(kCalendar, "MouseOverHiding", c.mouseOverHiding, false);
  x.Flag(kCalendar, "AutoStart", c.autoStart, true);
  x.Int(kCalendar, "AlarmType", c.alarmType, 0);
  x.Choice(kCalendar, "Position160", c.position160, ZPosition::Normal);
  x.Choice(kCalendar, "ShowToolTip", c.showToolTip, DayTips::WhenSomething);
  x.Flag(kCalendar, "MemorialDayCheck", c.memorialDayCheck, true);
  x.Path(kCalendar, "SkinFile", c.skinFile);
  x.Position(kCalendar, "WinSXSY", c.position, Point{260, 430});
  x.Flag(kCalendar, "AllowMove", c.allowMove, true);
  for (int i = 0; i < kAnniversaryCategoryCount; ++i) {
    x.Text(kCalendar, kSpecialDayKeys[i], c.specialDays[i], kSpecialDayNames[i], Persist::Never);
  }
}

void ExchangeWidget(SettingsExchange& x, const char* section, WidgetSettings& w, Point defaultPosition,
                    WidgetStartMode (*decodeStartMode)(int)) {
  x.Int(section, "TransVal", w.transVal, 255);
  x.Flag(section, "MouseOverHiding", w.mouseOverHiding, false);
  x.ChoiceOr(section, "StartMode", w.startMode, WidgetStartMode::WhenNeeded, decodeStartMode);
  x.Choice(section, "Position", w.zPosition, ZPosition::Normal);
  x.Path(section, "SkinFile", w.skinFile);
  x.Position(section, "WinSXSY", w.position, defaultPosition);
  x.Flag(section, "AllowMove", w.allowMove, true);
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
  ExchangeWidget(x, "Schedule", s.schedule, kSchedulePosition, ModeFromStored<WidgetStartMode>);
  ExchangeWidget(x, "Rauncher", s.rauncher, kLauncherPosition, LauncherStartModeFromStored);
  ExchangeLauncherFile(x, s.rauncherFile, userFilesFolder);
  ExchangeAlarm(x, s.alarm);
  ExchangeHotkeys(x, s.hotkeys);
}

}  // namespace quillet
