#include <gtest/gtest.h>

#include "calendar/DayInfoFormat.h"
#include "calendar/DayViews.h"
#include "calendar/MonthDays.h"
#include "schedule/DateKeys.h"
#include "schedule/ScheduleList.h"

namespace quillet {
namespace {

// February 2027: lunar New Year is Sunday the 7th, so the public 설날 days are the 6th to the 8th
// and the 9th is their substitute.
const std::vector<DayInfoRecord> kEntries =
    ParseDayInfo("1|1|-|F|설날|T|1\n1|15|-|F|정월대보름|F|4\n2|9|+|F|약속|F|3\n").records;

ScheduleRecord Dated(Recurrence recurrence, CivilDate date, int image, const char* message) {
  ScheduleRecord r;
  r.recurrence = recurrence;
  r.year = date.year;
  r.month = date.month;
  r.day = date.day;
  r.hour = 9;
  r.minute = 5;
  r.dayPattern = 1;
  r.imageIndex = image;
  r.message = message;
  return r;
}

ScheduleList FebruarySchedules() {
  ScheduleList list;
  list.Append(Dated(Recurrence::OnDate, {2027, 2, 14}, 5, "marked"));
  list.Append(Dated(Recurrence::OnDate, {2027, 2, 15}, 0, "no picture"));
  ScheduleRecord period = Dated(Recurrence::Period, {2027, 2, 26}, 1, "trip");
  period.endDateCode = static_cast<std::int32_t>(DateCode(2027, 3, 2));
  list.Append(period);
  return list;
}

std::string MarksOf(const CalendarDay& day) {
  std::string marks;
  for (int n = 1; n <= kAnniversaryMarkCount; ++n) {
    if (day.marks[static_cast<std::size_t>(n)]) marks += std::to_string(n) + " ";
  }
  return marks;
}

TEST(MonthDays, JoinsEntriesHolidaysScheduleMarksAndPeriods) {
  const CalendarMonth month = MonthDays(kEntries, FebruarySchedules(), 2027, 2);
  struct Expected {
    int day;
    bool holiday;
    bool hasSomething;
    const char* marks;
    int periodBits;
    const char* text;
  };
  const Expected table[] = {
      {6, true, true, "", 0, "설날"},
      {7, true, true, "1 ", 0, "(음) 1.1 \n설날"},  // the public name is not repeated
      {9, true, true, "3 ", 0, "약속\n대체공휴일"},
      {10, false, false, "", 0, ""},
      {14, false, true, "5 ", 0, ""},
      {15, false, true, "", 0, ""},  // a schedule without a picture counts but draws no mark
      {21, false, true, "4 ", 0, "(음) 1.15 \n정월대보름"},
      {26, false, true, "", 1, ""},
      {28, false, true, "", 2, ""},
      {29, false, false, "", 0, ""},  // the period's March days stay out of the month's tail
      {30, false, false, "", 0, ""},
  };
  for (const Expected& e : table) {
    const CalendarDay& day = month.days[static_cast<std::size_t>(e.day)];
    SCOPED_TRACE(e.day);
    EXPECT_EQ(day.holiday, e.holiday);
    EXPECT_EQ(day.hasSomething, e.hasSomething);
    EXPECT_EQ(MarksOf(day), e.marks);
    EXPECT_EQ(day.periodBits, e.periodBits);
    EXPECT_EQ(day.text, e.text);
  }
  EXPECT_TRUE(MonthDays(kEntries, ScheduleList{}, 2027, 13).days[1].text.empty());
}

TEST(DayViews, LunarLinesTitlesAndBalloons) {
  EXPECT_EQ(DayDialogTitle({2027, 2, 21}), " 2027년 2월 21일 ");
  EXPECT_EQ(LunarLine({2027, 2, 21}), " 음력: 2027년 1월 15일 ");
  // 2025 has a leap sixth month; its tenth day is 3 August.
  EXPECT_EQ(LunarLine({2025, 8, 3}), " 음력: 2025년 6월 10일 (윤달) ");
  EXPECT_EQ(LunarLine({1900, 1, 30}), "");  // before the table

  const ScheduleList none;
  DayBalloon balloon = DayBalloonOf(kEntries, none, {2025, 8, 3});
  EXPECT_EQ(balloon.title, "2025년 8월 3일");
  EXPECT_EQ(balloon.anniversaryHeader, "8월 3일 (음력: 6월 10일 윤달)");
  EXPECT_EQ(balloon.anniversaryRow, "");
  ASSERT_EQ(balloon.schedules.size(), 1u);
  EXPECT_EQ(balloon.schedules[0].time, " ");
  EXPECT_EQ(balloon.schedules[0].text, "일정이 없습니다.");

  balloon = DayBalloonOf(kEntries, none, {2027, 2, 7});
  EXPECT_EQ(balloon.anniversaryHeader, "2월 7일 (음력: 1월 1일)");
  EXPECT_EQ(balloon.anniversaryRow, "[ 설날 ] ");
  EXPECT_EQ(DayBalloonOf(kEntries, none, {2027, 2, 9}).anniversaryRow, "[ 약속 ] [ 대체공휴일 ] ");
}

TEST(DayViews, TheDaysSchedulesInListOrder) {
  ScheduleList list;
  list.Append(Dated(Recurrence::Daily, {2027, 1, 1}, 1, "one\r\ntwo"));
  list.Append(Dated(Recurrence::Once, {2027, 2, 10}, 1, "once"));
  ScheduleRecord memo = Dated(Recurrence::OnDate, {2027, 2, 10}, 1, "hidden");
  memo.memoId = "memo1.rtf";
  memo.timeMode = TimeMode::AllDay;
  const int memoId = list.Append(memo).recordId;

  const std::vector<DayScheduleRow> rows = DayScheduleRows(list, {2027, 2, 10});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].time, "09:05");
  EXPECT_EQ(rows[0].text, "one/two");
  EXPECT_FALSE(rows[0].editable);
  EXPECT_EQ(rows[1].time, "하루종일");
  EXPECT_EQ(rows[1].text, "[Memo Data]");
  EXPECT_EQ(rows[1].recordId, memoId);
  EXPECT_TRUE(rows[1].editable);
  EXPECT_EQ(DayBalloonOf({}, list, {2027, 2, 10}).schedules.size(), 2u);
}

TEST(DayViews, PagesAndWhenTheBalloonShows) {
  const ScheduleList february = FebruarySchedules();
  ScheduleList daily;
  daily.Append(Dated(Recurrence::Daily, {2027, 1, 1}, 1, "every day"));
  const ScheduleList none;
  struct Case {
    CivilDate date;
    const ScheduleList& schedules;
    DayPage automatic;  // page −1
    bool balloonWhenNeeded;
  };
  const Case cases[] = {
      {{2027, 2, 21}, none, DayPage::Information, true},       // an anniversary
      {{2027, 2, 14}, february, DayPage::Information, true},   // an OnDate schedule
      {{2027, 2, 27}, february, DayPage::Information, true},   // inside a period
      {{2027, 2, 8}, none, DayPage::Schedule, true},           // a public holiday alone
      {{2027, 2, 10}, daily, DayPage::Schedule, true},         // a daily schedule
      {{2027, 2, 10}, february, DayPage::Schedule, false},     // nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date.day);
    EXPECT_EQ(DayDialogPage(-1, kEntries, c.schedules, c.date), c.automatic);
    EXPECT_EQ(DayDialogPage(0, kEntries, c.schedules, c.date), DayPage::Information);
    EXPECT_EQ(DayDialogPage(2, kEntries, c.schedules, c.date), DayPage::Schedule);
    EXPECT_EQ(ShowsDayBalloon(DayTips::WhenSomething, kEntries, c.schedules, c.date), c.balloonWhenNeeded);
    EXPECT_FALSE(ShowsDayBalloon(DayTips::Off, kEntries, c.schedules, c.date));
    EXPECT_TRUE(ShowsDayBalloon(DayTips::Always, kEntries, c.schedules, c.date));
  }
}

}  // namespace
}  // namespace quillet
