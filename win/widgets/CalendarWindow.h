#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "calendar/MonthDays.h"
#include "skin/CalendarMeter.h"
#include "skin/NotificationOwner.h"
#include "skin/SkinWindow.h"
#include "widgets/AnniversaryList.h"

namespace quillet {
class ScheduleList;
struct CalendarSettings;
}  // namespace quillet

namespace quillet::win {

class DayBalloonWindow;

// What the calendar reaches in the program (the main frame).
class CalendarHost {
 public:
  virtual const ScheduleList& Schedules() const = 0;
  // The day dialog for `date` on the page `wanted` asks for (−1: by what the date has).
  virtual void OpenDayDialog(const CivilDate& date, int wanted) = 0;
  // "달력 설정".
  virtual void OpenCalendarSettings() = 0;
  // A skin was chosen: every setting is saved at once.
  virtual void SaveCalendarSettings() = 0;

 protected:
  ~CalendarHost() = default;
};

// The month calendar on the desktop: its skin's calendar meters with the anniversaries, public
// holidays and schedules of each day, navigation between months, the balloon over a day and the
// day menus. It owns the anniversaries ("CalendarSkin\DayInfo.dat").
class CalendarWindow final : public SkinWindow, public NotificationOwner, private CalendarDays {
 public:
  CalendarWindow(const SkinWindowServices& services, CalendarSettings& settings, std::string skinRoot,
                 std::string dayInfoPath, CalendarHost& host);
  ~CalendarWindow() override;

  // Hidden, with everything from the settings and the anniversaries read.
  bool Create();
  void StoreState();
  AnniversaryList& anniversaries() { return anniversaries_; }
  const AnniversaryList& anniversaries() const { return anniversaries_; }
  // Drawn again with fresh day data: the anniversaries or schedules changed, or a new day began.
  void Refresh();
  // Today is a public holiday or a holiday entry's day (the tray icon's frame).
  bool TodayIsHoliday() const;
  // The month the first calendar meter shows, if the skin has one.
  std::optional<std::pair<int, int>> ShownMonth() const;

 private:
  CalendarMonth DaysOf(int year, int month) const override;
  const CalendarDays* CalendarData() const override { return this; }

  bool OnInit() override;
  bool RunWidgetCommand(const std::string& word) override;
  void OnDoubleClick() override;
  // "<DESTROY_WINDOW>" hides: the anniversaries, their checks and the day dialogs live on.
  void DestroyFromCommand() override { FadeOut(); }
  int MenuAt(POINT client) const override;
  void PrepareMenu(HMENU popup) override;
  void OnSkinChosen() override;
  void OnMoved() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void NotificationSlideClicked() override;
  void NotificationClosed() override;

  std::vector<CalendarMeter*> CalendarMeters() const;
  std::optional<CalendarCell> CellAt(POINT client) const;
  std::optional<CalendarCell> CellUnderCursor() const;
  void Draw();
  void WatchHover();
  void OnHoverTimer();
  void OnCheckTimer();
  void HideBalloon();

  CalendarSettings& settings_;
  CalendarHost& host_;
  AnniversaryList anniversaries_;
  WindowPtr<DayBalloonWindow> balloon_;
  std::optional<CivilDate> hoveredDay_;  // waiting for the hover delay
  std::optional<CivilDate> balloonDay_;  // shown in the balloon
  CivilDate menuDay_;                    // the day of the last day menu or double click
};

}  // namespace quillet::win
