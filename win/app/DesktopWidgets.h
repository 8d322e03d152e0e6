#pragma once

#include <functional>
#include <vector>

#include "framework/WindowBase.h"
#include "widgets/CalendarWindow.h"
#include "widgets/ClockWindow.h"
#include "widgets/LauncherWindow.h"
#include "widgets/ScheduleViewWindow.h"

namespace quillet {
class Clock;
class FileSystem;
class SettingsStore;
}  // namespace quillet

namespace quillet::win {

class MemoBoard;

// The widgets on the desktop, for the main frame: making them at start-up, showing them, keeping
// their state in the settings, and answering their questions. The clock is the program's
// heartbeat: its minutes and days go to the frame's handlers.
class DesktopWidgets final : public WidgetHost, private ClockHost {
 public:
  struct Services {
    HWND frame;
    HINSTANCE instance;
    SettingsStore& settings;
    FileSystem& files;
    const Clock& clock;
    MemoBoard& memos;
    std::function<OwnedMenu()> programMenu;  // the tray menu's commands, its group submenu filled
    std::function<void(const LocalMinute&)> onMinute;
    std::function<void(const LocalMinute&)> onDayChanged;
    std::function<void(SkinCommand)> runSetupCommand;  // the skins' "<…_SETUP>" and "<ADD_ALARM>"
    CalendarHost& calendarHost;
    ScheduleViewHost& scheduleViewHost;
  };
  explicit DesktopWidgets(const Services& services);
  ~DesktopWidgets();
  DesktopWidgets(const DesktopWidgets&) = delete;
  DesktopWidgets& operator=(const DesktopWidgets&) = delete;

  // Start-up: the clock at its saved place (moved back onto a monitor when needed), shown as its
  // view mode says.
  void CreateClock();
  // "시계 보기": for "HotKeyClockViewTime" seconds, or for good when it is always shown.
  void ShowClock();
  ClockWindow* clock() { return clock_.get(); }
  // Start-up: the calendar at its saved place, shown when "AutoStart" is on.
  void CreateCalendar();
  // "달력 보기": shown for good.
  void ShowCalendar();
  // The preferences' clock and calendar pages were applied: skin, z-position, hiding and
  // transparency go to the window; the clock takes its view mode, a calendar that starts with
  // the program shows.
  void ApplyClockSettings();
  void ApplyCalendarSettings();
  CalendarWindow* calendar() { return calendar_.get(); }
  const CalendarWindow* calendar() const { return calendar_.get(); }
  // The schedule view by "StartMode" ("Schedule"): at start-up 1 shows it, 2 shows it when today
  // has something, 0 leaves it closed. On a new day 0 hides it, 1 refreshes it (making it), 2
  // shows it when today has something and hides it otherwise.
  void StartScheduleView(bool todayHasSomething);
  void ScheduleViewOnNewDay(bool todayHasSomething);
  // After a change of the schedules or anniversaries: with "필요할때 보기" the view comes when today
  // has something and goes when it has nothing left.
  void ScheduleViewFollowsToday(bool todayHasSomething);
  // "스케쥴 보기": made on first use, shown for good.
  void ShowScheduleView();
  ScheduleViewWindow* scheduleView() { return scheduleView_.get(); }
  // The launcher by its "StartMode" ("Rauncher"): 1 shows it at start-up, 2 when it has programs.
  void StartLauncher();
  // "런처 보기": made on first use, shown for good.
  void ShowLauncher();
  // Hotkeys 14, 15 and 17: with "HotKeyToggle" on a shown widget hides; else it shows for good
  // and comes forward (a clock not always shown shows for "HotKeyClockViewTime" seconds instead).
  enum class Widget { Clock, Calendar, ScheduleView };
  void ToggleFromHotkey(Widget widget);
  // The end of the frame's periodic save: a moved clock writes its position.
  void SaveMovedPositions();
  // Every widget's state into the working values, before any full save.
  void StoreStates();
  // The widgets go; their states stay in the working values.
  void CloseAll();
  // The visible widgets but `except`.
  std::vector<Rect> Places(HWND except) const;
  // What a skin window of the program needs; the notification windows are made with it.
  SkinWindowServices WidgetServices();

  // WidgetHost
  PanelNeighbours Neighbours(const DesktopPanel& panel) const override;
  void ArrangePanel(DesktopPanel& panel) override;
  HWND CommandTarget() const override { return services_.frame; }
  OwnedMenu MakeProgramMenu() override { return services_.programMenu(); }
  void DestroyWidget(SkinWindow& widget) override;
  void RunSetupCommand(SkinCommand command) override { services_.runSetupCommand(command); }

 private:
  // ClockHost
  void OnMinute(const LocalMinute& now) override { services_.onMinute(now); }
  void OnDayChanged(const LocalMinute& now) override { services_.onDayChanged(now); }
  void SaveSettings() override;
  static void ApplyLook(SkinWindow& widget, const std::string& skinFile, ZPosition zPosition, bool mouseOverHiding,
                        int transVal);
  void PlaceOnScreen(SkinWindow& widget, Point& position);
  bool MakeScheduleView();
  bool MakeLauncher();

  Services services_;
  WindowPtr<ClockWindow> clock_;
  WindowPtr<CalendarWindow> calendar_;
  WindowPtr<ScheduleViewWindow> scheduleView_;
  WindowPtr<LauncherWindow> launcher_;
};

}  // namespace quillet::win
