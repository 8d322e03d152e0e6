// The main frame's part in the calendar: the schedules it shows, its day dialog and the
// anniversaries announced each day.
#include "app/MainFrame.h"

#include "calendar/Anniversaries.h"
#include "lunar/LunarCalendar.h"
#include "ports/Clock.h"
#include "schedule/DayDialog.h"
#include "schedule/TodayItems.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

const ScheduleList& MainFrame::Schedules() const {
  static const ScheduleList none;
  return alarms_ ? alarms_->list() : none;
}

// One at a time; the calendar shows what the dialog changed once it closes.
void MainFrame::OpenDayDialog(const CivilDate& date, int wanted) {
  CalendarWindow* calendar = widgets_ ? widgets_->calendar() : nullptr;
  if (dayDialogOpen_ || !alarms_ || !calendar) return;
  dayDialogOpen_ = true;
  const DayDialogServices services{ScheduleServices(), *alarms_, &calendar->anniversaries(),
                                   [this] { RefreshScheduleViews(); }};
  RunDayDialog(calendar->hwnd(), services, date, wanted);
  dayDialogOpen_ = false;
  if (widgets_ && widgets_->calendar()) widgets_->calendar()->Refresh();
}

std::optional<TrayIcon::Day> MainFrame::TrayDay() const {
  const CalendarWindow* calendar = widgets_ ? widgets_->calendar() : nullptr;
  if (!calendar) return std::nullopt;
  const LocalMinute now = ToLocalMinute(services_.clock.Now());
  return TrayIcon::Day{now.date.day, WeekdayOf(now.date), calendar->TodayIsHoliday()};
}

const std::vector<DayInfoRecord>* MainFrame::Anniversaries() const {
  const CalendarWindow* calendar = widgets_ ? widgets_->calendar() : nullptr;
  return calendar ? &calendar->anniversaries().entries() : nullptr;
}

bool MainFrame::TodayHasSomething() const {
  return DayHasSchedules(Schedules(), Anniversaries(), ToLocalMinute(services_.clock.Now()).date);
}

void MainFrame::CheckAnniversaries(const LocalMinute& now) {
  const Settings& values = services_.settings.values();
  CalendarWindow* calendar = widgets_ ? widgets_->calendar() : nullptr;
  if (!values.calendar.memorialDayCheck || !calendar || !alarms_) return;
  // The clock's first tick after start-up must not run the day's actions again.
  if (ClockWindow* clock = widgets_->clock()) clock->MarkDaySeen(now.Code());
  LunarDate lunar;
  const bool hasLunar = SolarToLunar(now.date.year, now.date.month, now.date.day, 0, lunar) && lunar.valid;
  for (const DayInfoRecord& entry : calendar->anniversaries().entries()) {
    if (!AnniversaryFallsOn(entry, now.date.month, now.date.day, hasLunar ? &lunar : nullptr)) continue;
    alarms_->ShowNotification(calendar->hwnd(),
                              MakeAnniversaryNotification(entry, values.calendar.specialDays,
                                                          static_cast<AlertStyle>(values.calendar.alarmType),
                                                          values.alarm.autoCloseTime));
  }
}

}  // namespace quillet::win
