#include "schedule/MinuteCatchUp.h"

#include <algorithm>

namespace quillet {

namespace {

// Minute stamps pretend months have 31 days, so the gap between two minutes is counted in days.
long long MinutesSinceEpoch(const LocalMinute& moment) {
  return DaysSinceEpoch(moment.date) * 1440 + moment.MinuteOfDay();
}

void Append(AlarmCheckResult& into, AlarmCheckResult&& part) {
  into.firings.insert(into.firings.end(), part.firings.begin(), part.firings.end());
  into.saveList = into.saveList || part.saveList;
  into.refreshViews = into.refreshViews || part.refreshViews;
}

int HighestRecordId(const ScheduleList& list) {
  int highest = -1;
  for (const ScheduleRecord& record : list.records()) highest = std::max(highest, record.recordId);
  return highest;
}

}  // namespace

AlarmCheckResult CheckDueMinutes(ScheduleList& list, const LocalMinute& now, AlarmCheckState& state) {
  AlarmCheckResult result;
  const long long gap = state.lastExamined ? MinutesSinceEpoch(now) - MinutesSinceEpoch(*state.lastExamined) : -1;
  if (gap == 0) {
    result = CheckMinute(list, now, state.highestRecordId);
    state.highestRecordId = std::max(state.highestRecordId, HighestRecordId(list));
    return result;
  }
  if (gap > 0 && gap <= kMaxCaughtUpMinutes + 1) {
    for (long long missed = gap - 1; missed > 0; --missed) Append(result, CheckMinute(list, AddMinutes(now, -missed)));
  } else if (gap > 0) {
    Append(result, CheckPassedOnDates(list, now));
  }
  Append(result, CheckMinute(list, now));
  state.lastExamined = now;
  state.highestRecordId = HighestRecordId(list);
  return result;
}

}  // namespace quillet
