#include <gtest/gtest.h>

#include "schedule/AlarmRules.h"
#include "schedule/DateKeys.h"

namespace quillet {
namespace {

LocalMinute At(int year, int month, int day, int hour, int minute) {
  return LocalMinute{CivilDate{year, month, day}, hour, minute};
}

ScheduleRecord Schedule(Recurrence recurrence, int hour, int minute, int lead = 0) {
  ScheduleRecord r;
  r.recurrence = recurrence;
  r.year = 2009;
  r.month = 3;
  r.day = 17;
  r.hour = hour;
  r.minute = minute;
  r.leadMinutes = lead;
  r.dayPattern = 1;
  return r;
}

// What fires for one schedule at a moment: "" nothing, "on time" or "warning".
std::string Fires(const ScheduleRecord& record, const LocalMinute& now) {
  ScheduleList list;
  list.Append(record);
  const AlarmCheckResult result = CheckMinute(list, now);
  if (result.firings.empty()) return "";
  return result.firings[0].kind == FireKind::OnTime ? "on time" : "warning";
}

// An edit confirmed after another window removed its record is appended, never lost; every stored
// record gets a fresh identifier and keeps its place.
TEST(ScheduleList, AnEditReplacesInPlaceOrIsAppendedWhenItsRecordIsGone) {
  ScheduleList list;
  const int first = list.Append(Schedule(Recurrence::Daily, 9, 0)).recordId;
  const int second = list.Append(Schedule(Recurrence::Daily, 10, 0)).recordId;
  const int edited = list.Store(first, Schedule(Recurrence::Once, 11, 0)).recordId;
  EXPECT_GT(edited, second);
  EXPECT_EQ(list.records()[0].recurrence, Recurrence::Once);
  EXPECT_EQ(list.Find(first), nullptr);
  ASSERT_TRUE(list.Remove(second));
  EXPECT_FALSE(list.Replace(second, Schedule(Recurrence::Daily, 12, 0)));
  list.Store(second, Schedule(Recurrence::Daily, 12, 0));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.records()[1].hour, 12);
}

TEST(DateKeys, CodesAndTheirDates) {
  EXPECT_EQ(DateCode(2009, 3, 17), 2009 * 372 + 3 * 31 + 17);
  EXPECT_EQ(MinuteStamp(2009, 3, 17, 10, 10), 2009LL * 535680 + 3 * 44640 + 17 * 1440 + 610);
  EXPECT_EQ(DateFromCode(DateCode(2009, 12, 31)), (CivilDate{2009, 12, 31}));
  EXPECT_EQ(DateFromCode(DateCode(2010, 1, 1)), (CivilDate{2010, 1, 1}));
  EXPECT_EQ(DateFromCode(DateCode(2009, 2, 31)), (CivilDate{2009, 2, 28}));  // clamped
  EXPECT_EQ(DateFromCode(DateCode(2008, 2, 30)), (CivilDate{2008, 2, 29}));
  EXPECT_EQ(DateFromCode(DateCode(2009, 3, 0)), (CivilDate{2009, 2, 28}));   // day 0: the month before
  EXPECT_EQ(DateFromCode(DateCode(2009, 1, 0)), (CivilDate{2008, 12, 31}));
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= DaysInMonth(2024, month); ++day) {
      ASSERT_EQ(DateFromCode(DateCode(2024, month, day)), (CivilDate{2024, month, day}));
    }
  }
}

TEST(DateKeys, MinutesAddAcrossDaysMonthsAndYears) {
  EXPECT_EQ(AddMinutes(At(2009, 12, 31, 23, 50), 30).Stamp(), At(2010, 1, 1, 0, 20).Stamp());
  EXPECT_EQ(AddMinutes(At(2009, 3, 1, 0, 10), -30).Stamp(), At(2009, 2, 28, 23, 40).Stamp());
  EXPECT_EQ(AddMinutes(At(2008, 2, 28, 12, 0), 1440).Stamp(), At(2008, 2, 29, 12, 0).Stamp());
  EXPECT_EQ(AddMinutes(At(2009, 3, 17, 8, 0), 10080).Stamp(), At(2009, 3, 24, 8, 0).Stamp());
}

TEST(MinuteCheck, DailyWarnsBeforeAndFiresAtItsMinute) {
  const ScheduleRecord eight = Schedule(Recurrence::Daily, 8, 0, 30);
  EXPECT_EQ(Fires(eight, At(2026, 5, 5, 7, 30)), "warning");
  EXPECT_EQ(Fires(eight, At(2026, 5, 5, 8, 0)), "on time");
  EXPECT_EQ(Fires(eight, At(2026, 5, 5, 7, 31)), "");
  // A warning that would fall at midnight is never given to Daily or Once schedules.
  EXPECT_EQ(Fires(Schedule(Recurrence::Daily, 0, 30, 30), At(2026, 5, 5, 0, 0)), "");
  EXPECT_EQ(Fires(Schedule(Recurrence::Once, 0, 30, 30), At(2026, 5, 5, 0, 0)), "");
  // A negative lead crosses midnight forwards.
  EXPECT_EQ(Fires(Schedule(Recurrence::Daily, 23, 50, -30), At(2026, 5, 6, 0, 20)), "warning");
  EXPECT_EQ(Fires(Schedule(Recurrence::Daily, 0, 10, 30), At(2026, 5, 5, 23, 40)), "warning");
}

TEST(MinuteCheck, OnceFiresOnceAndIsDisarmed) {
  ScheduleList list;
  list.Append(Schedule(Recurrence::Once, 9, 15));
  const AlarmCheckResult first = CheckMinute(list, At(2026, 5, 5, 9, 15));
  ASSERT_EQ(first.firings.size(), 1u);
  EXPECT_TRUE(first.saveList);
  EXPECT_TRUE(first.refreshViews);
  EXPECT_EQ(list.records()[0].enabled, 0);
  EXPECT_TRUE(CheckMinute(list, At(2026, 5, 6, 9, 15)).firings.empty());
}

TEST(MinuteCheck, OnDateWarnsAtItsInstantAlsoAtMidnightAndFiresOnItsMinute) {
  ScheduleRecord date = Schedule(Recurrence::OnDate, 0, 30, 30);
  EXPECT_EQ(Fires(date, At(2009, 3, 17, 0, 0)), "warning");
  EXPECT_EQ(Fires(date, At(2009, 3, 17, 0, 30)), "on time");
  EXPECT_EQ(Fires(date, At(2009, 3, 18, 0, 30)), "");
  date.leadMinutes = 1440;
  EXPECT_EQ(Fires(date, At(2009, 3, 16, 0, 30)), "warning");
  date.leadMinutes = -1440;
  EXPECT_EQ(Fires(date, At(2009, 3, 18, 0, 30)), "warning");
  date.enabled = 0;
  EXPECT_EQ(Fires(date, At(2009, 3, 18, 0, 30)), "");

  ScheduleList list;
  list.Append(Schedule(Recurrence::OnDate, 10, 0));
  EXPECT_TRUE(CheckMinute(list, At(2009, 3, 17, 10, 0)).saveList);
  EXPECT_EQ(list.records()[0].enabled, 0);
}

TEST(MinuteCheck, WeekdaysFollowTheirMaskAndTheWarningsDay) {
  ScheduleRecord weekdays = Schedule(Recurrence::Weekdays, 9, 0);
  weekdays.dayPattern = kWeekdaysMondayToFriday;
  // 2026-05-04 is a Monday.
  for (int day = 3; day <= 9; ++day) {
    const bool workday = day >= 4 && day <= 8;
    EXPECT_EQ(Fires(weekdays, At(2026, 5, day, 9, 0)), workday ? "on time" : "") << day;
  }
  weekdays.dayPattern = kWeekdaysWeekend;
  EXPECT_EQ(Fires(weekdays, At(2026, 5, 3, 9, 0)), "on time");
  EXPECT_EQ(Fires(weekdays, At(2026, 5, 9, 9, 0)), "on time");
  EXPECT_EQ(Fires(weekdays, At(2026, 5, 6, 9, 0)), "");
  // A Saturday 00:10 schedule warned 30 minutes ahead on Friday night.
  ScheduleRecord saturday = Schedule(Recurrence::Weekdays, 0, 10, 30);
  saturday.dayPattern = 1 << 6;
  EXPECT_EQ(Fires(saturday, At(2026, 5, 8, 23, 40)), "warning");
  EXPECT_EQ(Fires(saturday, At(2026, 5, 9, 23, 40)), "");
}

TEST(MinuteCheck, PeriodsIncludeBothEndDays) {
  ScheduleRecord period = Schedule(Recurrence::Period, 7, 0, 60);
  period.year = 2009;
  period.month = 3;
  period.day = 1;
  period.endDateCode = static_cast<std::int32_t>(DateCode(2009, 3, 10));
  EXPECT_EQ(Fires(period, At(2009, 2, 28, 7, 0)), "");
  EXPECT_EQ(Fires(period, At(2009, 3, 1, 7, 0)), "on time");
  EXPECT_EQ(Fires(period, At(2009, 3, 10, 7, 0)), "on time");
  EXPECT_EQ(Fires(period, At(2009, 3, 11, 7, 0)), "");
  EXPECT_EQ(Fires(period, At(2009, 3, 10, 6, 0)), "warning");
  EXPECT_EQ(Fires(period, At(2009, 3, 11, 6, 0)), "");
}

TEST(MinuteCheck, MonthDayThirtyTwoIsTheLastDayOfEveryMonth) {
  ScheduleRecord last = Schedule(Recurrence::MonthDay, 18, 0);
  last.dayPattern = kLastDayOfMonth;
  EXPECT_EQ(Fires(last, At(2008, 2, 29, 18, 0)), "on time");
  EXPECT_EQ(Fires(last, At(2008, 2, 28, 18, 0)), "");
  EXPECT_EQ(Fires(last, At(2009, 2, 28, 18, 0)), "on time");
  EXPECT_EQ(Fires(last, At(2009, 4, 30, 18, 0)), "on time");
  EXPECT_EQ(Fires(last, At(2000, 2, 29, 18, 0)), "on time");
  EXPECT_EQ(Fires(last, At(1900, 2, 28, 18, 0)), "on time");
  ScheduleRecord thirtyFirst = Schedule(Recurrence::MonthDay, 18, 0);
  thirtyFirst.dayPattern = 31;
  for (int day = 28; day <= 30; ++day) EXPECT_EQ(Fires(thirtyFirst, At(2009, 4, day, 18, 0)), "") << day;
  // The warning is tested against the day of its instant: the evening before the 1st.
  ScheduleRecord first = Schedule(Recurrence::MonthDay, 0, 0, 60);
  first.dayPattern = 1;
  EXPECT_EQ(Fires(first, At(2009, 4, 30, 23, 0)), "warning");
}

TEST(MinuteCheck, AllDaySchedulesAreLeftToTheStartUpCheckAndWarningsAloneRefreshNothing) {
  ScheduleRecord allDay = Schedule(Recurrence::Daily, 0, 0);
  allDay.timeMode = TimeMode::AllDay;
  EXPECT_EQ(Fires(allDay, At(2026, 5, 5, 0, 0)), "");

  ScheduleList list;
  list.Append(Schedule(Recurrence::Daily, 8, 0, 30));
  const AlarmCheckResult warning = CheckMinute(list, At(2026, 5, 5, 7, 30));
  EXPECT_EQ(warning.firings.size(), 1u);
  EXPECT_FALSE(warning.refreshViews);
  EXPECT_FALSE(warning.saveList);
}

TEST(StartUpCheck, AnnouncesTodaysAllDaySchedulesAndMissedDates) {
  ScheduleList list;
  ScheduleRecord allDayWeekend = Schedule(Recurrence::Weekdays, 0, 0);
  allDayWeekend.timeMode = TimeMode::AllDay;
  allDayWeekend.dayPattern = kWeekdaysWeekend;
  const int weekend = list.Append(allDayWeekend).recordId;
  const int missedDate = list.Append(Schedule(Recurrence::OnDate, 10, 0)).recordId;  // 2009-03-17
  list.Append(Schedule(Recurrence::Once, 1, 0));    // missed, not caught up
  list.Append(Schedule(Recurrence::Daily, 1, 0));   // likewise
  ScheduleRecord allDayOnce = Schedule(Recurrence::Once, 0, 0);
  allDayOnce.timeMode = TimeMode::AllDay;
  allDayOnce.year = 2026;
  allDayOnce.month = 5;
  allDayOnce.day = 9;
  const int once = list.Append(allDayOnce).recordId;

  const AlarmCheckResult result = CheckAtStartUp(list, At(2026, 5, 9, 12, 0));  // a Saturday
  ASSERT_EQ(result.firings.size(), 3u);
  EXPECT_EQ(result.firings[0].recordId, weekend);
  EXPECT_EQ(result.firings[1].recordId, missedDate);
  EXPECT_EQ(result.firings[2].recordId, once);
  EXPECT_TRUE(result.saveList);
  EXPECT_EQ(list.Find(missedDate)->enabled, 0);
  EXPECT_EQ(list.Find(once)->enabled, 0);
  // Not again that day: the minute checks leave all-day schedules alone.
  EXPECT_TRUE(CheckMinute(list, At(2026, 5, 10, 0, 0)).firings.empty());
  EXPECT_EQ(CheckAtStartUp(list, At(2026, 5, 9, 13, 0)).firings.size(), 1u);  // the weekend one again
}

TEST(Purge, RemovesPastDatesDoneOncesAndEndedPeriods) {
  ScheduleList list;
  list.Append(Schedule(Recurrence::OnDate, 10, 0));  // past
  ScheduleRecord dDay = Schedule(Recurrence::OnDate, 10, 0);
  dDay.isDDay = 1;
  const int kept1 = list.Append(dDay).recordId;
  ScheduleRecord doneOnce = Schedule(Recurrence::Once, 10, 0);
  doneOnce.enabled = 0;
  list.Append(doneOnce);
  const int kept2 = list.Append(Schedule(Recurrence::Once, 10, 0)).recordId;
  ScheduleRecord period = Schedule(Recurrence::Period, 10, 0);
  period.endDateCode = static_cast<std::int32_t>(DateCode(2009, 3, 10));
  list.Append(period);  // ends today: expired
  const int kept3 = list.Append(Schedule(Recurrence::Daily, 10, 0)).recordId;

  EXPECT_EQ(PurgeExpired(list, At(2009, 3, 10, 12, 0)), 2);  // the dated one lies ahead still
  EXPECT_EQ(PurgeExpired(list, At(2009, 3, 17, 10, 0)), 1);  // its minute has come
  std::vector<int> left;
  for (const ScheduleRecord& r : list.records()) left.push_back(r.recordId);
  EXPECT_EQ(left, (std::vector<int>{kept1, kept2, kept3}));
}

TEST(DayView, SchedulesBelongToTheirDays) {
  const CivilDate tuesday{2009, 3, 17};
  EXPECT_TRUE(BelongsToDay(Schedule(Recurrence::Daily, 1, 0), tuesday));
  EXPECT_FALSE(BelongsToDay(Schedule(Recurrence::Once, 1, 0), tuesday));
  ScheduleRecord done = Schedule(Recurrence::OnDate, 1, 0);
  done.enabled = 0;
  EXPECT_TRUE(BelongsToDay(done, tuesday));
  EXPECT_FALSE(BelongsToDay(done, CivilDate{2009, 3, 18}));
  ScheduleRecord weekdays = Schedule(Recurrence::Weekdays, 1, 0);
  weekdays.dayPattern = 42;  // Monday, Wednesday, Friday
  EXPECT_FALSE(BelongsToDay(weekdays, tuesday));
  EXPECT_TRUE(BelongsToDay(weekdays, CivilDate{2009, 3, 18}));
}

}  // namespace
}  // namespace quillet
