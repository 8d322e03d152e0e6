#include <gtest/gtest.h>

#include "calendar/DayInfoRecord.h"
#include "schedule/DateKeys.h"
#include "schedule/TodayItems.h"

namespace quillet {
namespace {

const CivilDate kToday{2026, 12, 8};  // a Tuesday

ScheduleRecord Timed(Recurrence recurrence, int hour, int minute, const char* message) {
  ScheduleRecord r;
  r.recurrence = recurrence;
  r.year = kToday.year;
  r.month = kToday.month;
  r.day = kToday.day;
  r.hour = hour;
  r.minute = minute;
  r.dayPattern = 1;
  r.message = message;
  return r;
}

DayInfoRecord Anniversary(int month, int day, const char* name, bool lunar = false) {
  DayInfoRecord record;
  record.month = month;
  record.day = day;
  record.name = name;
  record.lunar = lunar;
  record.image = 3;
  return record;
}

TEST(TodayItems, AnniversariesComeFirstThenTheDaysSchedulesInListOrder) {
  ScheduleList list;
  list.Append(Timed(Recurrence::Daily, 7, 0, "아침"));
  ScheduleRecord doneOnce = Timed(Recurrence::Once, 8, 0, "끝난 일");
  doneOnce.enabled = 0;
  list.Append(doneOnce);
  list.Append(Timed(Recurrence::Once, 15, 0, "한번"));
  ScheduleRecord allDay = Timed(Recurrence::OnDate, 0, 0, "종일");
  allDay.timeMode = TimeMode::AllDay;
  list.Append(allDay);
  ScheduleRecord otherDay = Timed(Recurrence::OnDate, 9, 0, "다른 날");
  otherDay.day = 9;
  list.Append(otherDay);
  ScheduleRecord thursday = Timed(Recurrence::Weekdays, 9, 0, "목요일");
  thursday.dayPattern = 1 << 4;
  list.Append(thursday);
  ScheduleRecord lastDay = Timed(Recurrence::MonthDay, 9, 0, "말일");
  lastDay.dayPattern = kLastDayOfMonth;
  list.Append(lastDay);
  ScheduleRecord eighth = Timed(Recurrence::MonthDay, 23, 0, "8일");
  eighth.dayPattern = 8;
  list.Append(eighth);
  const std::vector<DayInfoRecord> anniversaries = {Anniversary(12, 8, "기념일"), Anniversary(12, 9, "내일")};

  const std::vector<TodayItem> items = TodayItems(list, &anniversaries, kToday, 12, 0);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].name, "기념일");
  EXPECT_TRUE(items[0].specialDay);
  EXPECT_FALSE(items[0].timed);
  EXPECT_EQ(items[1].name, "아침");
  EXPECT_EQ(items[1].timeText, "07:00");
  EXPECT_EQ(items[1].order, 420);
  EXPECT_TRUE(items[1].early);
  EXPECT_EQ(items[2].name, "한번");
  EXPECT_FALSE(items[2].early);
  EXPECT_EQ(items[3].name, "종일");
  EXPECT_FALSE(items[3].timed);
  EXPECT_EQ(items[3].order, 0);
  EXPECT_TRUE(items[3].early);
  EXPECT_EQ(items[4].name, "8일");

  // The given time decides what is early: at 07:00 the seven o'clock item counts as begun.
  EXPECT_TRUE(TodayItems(list, &anniversaries, kToday, 7, 0)[1].early);
  EXPECT_FALSE(TodayItems(list, &anniversaries, kToday, 6, 59)[1].early);
}

TEST(TodayItems, DDaysCountThePositiveDaysAheadAndTheNegativeDaysPassed) {
  ScheduleList list;
  ScheduleRecord exam = Timed(Recurrence::OnDate, 9, 0, "시험");
  exam.isDDay = 1;
  exam.day = 18;
  list.Append(exam);
  ScheduleRecord wedding = Timed(Recurrence::OnDate, 9, 0, "결혼");
  wedding.isDDay = 1;
  wedding.year = 2025;
  wedding.month = 12;
  wedding.day = 8;
  list.Append(wedding);
  ScheduleRecord plain = wedding;
  plain.isDDay = 0;
  list.Append(plain);  // another day's plain date is not today's

  const std::vector<DayInfoRecord> none;
  const std::vector<TodayItem> items = TodayItems(list, &none, kToday, 12, 0);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].dayCount, 10);
  EXPECT_EQ(items[0].order, 1);
  EXPECT_FALSE(items[0].early);
  EXPECT_EQ(items[1].dayCount, -365);
  EXPECT_EQ(items[1].order, 2);
  EXPECT_TRUE(items[1].early);

  // Outside the years counted a D-day adds nothing.
  ScheduleRecord far = exam;
  far.year = 2500;
  ScheduleList farList;
  farList.Append(far);
  EXPECT_TRUE(TodayItems(farList, &none, kToday, 12, 0).empty());
  EXPECT_EQ(DaysBetween(CivilDate{2008, 2, 28}, CivilDate{2008, 3, 1}), 2);
  EXPECT_EQ(DaysBetween(CivilDate{1899, 12, 31}, CivilDate{2000, 1, 1}), 0);
}

TEST(TodayItems, WithoutACalendarThereIsNothingAndAnniversariesCountAsSchedules) {
  ScheduleList list;
  list.Append(Timed(Recurrence::Daily, 7, 0, "아침"));
  EXPECT_TRUE(TodayItems(list, nullptr, kToday, 12, 0).empty());
  EXPECT_FALSE(DayHasSchedules(list, nullptr, kToday));

  const ScheduleList empty;
  const std::vector<DayInfoRecord> anniversaries = {Anniversary(12, 8, "기념일")};
  EXPECT_TRUE(DayHasSchedules(empty, &anniversaries, kToday));
  EXPECT_FALSE(DayHasSchedules(empty, &anniversaries, CivilDate{2026, 12, 9}));
}

TEST(CalendarMarks, DatedSchedulesMarkTheirDaysByImage) {
  ScheduleList list;
  ScheduleRecord a = Timed(Recurrence::OnDate, 9, 0, "a");
  a.imageIndex = 3;
  list.Append(a);
  a.imageIndex = 0;
  list.Append(a);
  a.imageIndex = 12;  // no mark for images past 11
  a.day = 9;
  list.Append(a);
  a.year = 2027;
  a.imageIndex = 1;
  list.Append(a);
  list.Append(Timed(Recurrence::Daily, 9, 0, "daily"));
  const YearMarks marks = ScheduleMarksOfYear(list, 2026);
  EXPECT_EQ(marks[12][8], (1 << 3) | 1);
  EXPECT_EQ(marks[12][9], 0);
  EXPECT_EQ(ScheduleMarksOfYear(list, 2027)[12][9], 1 << 1);
}

TEST(CalendarMarks, PeriodsMarkStartMiddleAndEndWithinTheShownMonth) {
  ScheduleList list;
  ScheduleRecord inside = Timed(Recurrence::Period, 9, 0, "in");
  inside.month = 3;
  inside.day = 5;
  inside.endDateCode = static_cast<std::int32_t>(DateCode(2026, 3, 8));
  list.Append(inside);
  ScheduleRecord across = inside;
  across.month = 2;
  across.day = 27;
  across.endDateCode = static_cast<std::int32_t>(DateCode(2026, 4, 2));
  list.Append(across);
  const std::array<int, 31> marks = PeriodMarksOfMonth(list, 2026, 3);
  EXPECT_EQ(marks[4], 1 | 2);  // the 5th: one starts, the long one goes on
  EXPECT_EQ(marks[5], 2);
  EXPECT_EQ(marks[7], 4 | 2);
  EXPECT_EQ(marks[0], 2);
  EXPECT_EQ(marks[30], 2);
  EXPECT_EQ(PeriodMarksOfMonth(list, 2026, 4)[1], 4);
  EXPECT_EQ(PeriodMarksOfMonth(list, 2026, 5)[0], 0);
}

}  // namespace
}  // namespace quillet
