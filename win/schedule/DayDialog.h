#pragma once

#include <functional>

#include "schedule/ScheduleFields.h"
#include "time/Gregorian.h"

namespace quillet::win {

class AlarmScheduler;
class AnniversaryList;

struct DayDialogServices {
  ScheduleDialogServices dialogs;
  AlarmScheduler& alarms;
  AnniversaryList* anniversaries;              // the calendar's; none without a calendar
  std::function<void()> anniversariesChanged;  // the calendar and the views show them again
};

// "날짜": one date's lunar date, anniversaries and schedules, with pages to add and edit them.
// Modal; it opens on the page `wanted` asks for (0 information, −1 by what the date has, any
// other the schedule page).
void RunDayDialog(HWND owner, const DayDialogServices& services, const CivilDate& date, int wanted);

}  // namespace quillet::win
