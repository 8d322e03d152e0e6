#pragma once

#include <vector>

#include "schedule/DateKeys.h"
#include "schedule/ScheduleList.h"

namespace quillet {

enum class FireKind { OnTime, Warning };

struct Firing {
  int recordId = -1;
  FireKind kind = FireKind::OnTime;
};

struct AlarmCheckResult {
  std::vector<Firing> firings;  // in list order
  bool saveList = false;        // a fired Once or OnDate schedule was disarmed
  bool refreshViews = false;    // something fired on time, or the list changed
};

// The check of one minute: which schedules are due now, which are due for their advance warning.
// Fired Once and OnDate schedules are disarmed in the list. Only records whose recordId is above
// `aboveRecordId` are examined, so that a second check of a minute reaches only records added since.
AlarmCheckResult CheckMinute(ScheduleList& list, const LocalMinute& now, int aboveRecordId = -1);

// Once after loading: today's all-day schedules, and dated ones whose time passed while the
// program was not running.
AlarmCheckResult CheckAtStartUp(ScheduleList& list, const LocalMinute& now);

// The start-up rule for timed dated schedules alone, for minutes the scheduler could not examine:
// armed OnDate schedules whose minute came before `now` fire once, late, and are disarmed.
AlarmCheckResult CheckPassedOnDates(ScheduleList& list, const LocalMinute& now);

// Removes every expired schedule; the number removed.
int PurgeExpired(ScheduleList& list, const LocalMinute& now);

// Whether a schedule belongs to a day of the day views (armed or not).
bool BelongsToDay(const ScheduleRecord& record, const CivilDate& date);

// Whether `date` is the `dayPattern` day of its month (kLastDayOfMonth: its last day).
bool IsMonthDay(std::int32_t dayPattern, const CivilDate& date);

}  // namespace quillet
