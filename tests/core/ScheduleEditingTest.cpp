#include <gtest/gtest.h>

#include "schedule/DateKeys.h"
#include "schedule/ScheduleEditing.h"
#include "settings/Settings.h"

namespace quillet {
namespace {

const LocalMinute kNow{CivilDate{2009, 3, 17}, 20, 30};

ScheduleForm Form(Recurrence recurrence) {
  ScheduleForm form;
  form.recurrence = recurrence;
  form.date = CivilDate{2009, 3, 20};
  form.periodStart = CivilDate{2009, 3, 1};
  form.periodEnd = CivilDate{2009, 3, 10};
  form.hour = 9;
  form.minute = 45;
  form.alertItem = 1;
  return form;
}

TEST(ScheduleEditing, TheFormBecomesTheRecord) {
  ScheduleRecord working;
  working.enabled = 0;
  working.message = "회의";
  ScheduleForm form = Form(Recurrence::MonthDay);
  form.dayOfMonthItem = 31;  // "말일"
  form.leadItem = 16;        // −60
  form.alertItem = 4;        // PostIt
  form.imageItem = 3;
  EditOutcome out = CompleteSchedule(working, form, kNow);
  ASSERT_TRUE(out.accepted);
  EXPECT_EQ(out.record.dayPattern, 32);
  EXPECT_EQ(out.record.leadMinutes, -60);
  EXPECT_EQ(out.record.alertStyle, AlertStyle::PostIt);
  EXPECT_EQ(out.record.imageIndex, 3);
  EXPECT_EQ(out.record.enabled, 1);  // editing arms again
  EXPECT_EQ(out.record.message, "회의");
  EXPECT_EQ(out.record.minuteOfDay, 9 * 60 + 45);

  form = Form(Recurrence::Daily);
  form.timeMode = TimeMode::AllDay;
  out = CompleteSchedule(working, form, kNow);
  EXPECT_EQ(out.record.dayPattern, 1);
  EXPECT_EQ(out.record.hour, 0);
  EXPECT_EQ(out.record.minute, 0);
  EXPECT_EQ(out.record.endDateCode, 0);
}

TEST(ScheduleEditing, RefusalsKeepTheDialogOpen) {
  ScheduleForm weekdays = Form(Recurrence::Weekdays);
  EditOutcome out = CompleteSchedule(ScheduleRecord{}, weekdays, kNow);
  EXPECT_FALSE(out.accepted);
  EXPECT_EQ(out.refusal, "체크된 요일이 없습니다.");
  weekdays.weekdayMask = 42;
  EXPECT_EQ(CompleteSchedule(ScheduleRecord{}, weekdays, kNow).record.dayPattern, 42);

  ScheduleForm period = Form(Recurrence::Period);
  period.periodEnd = period.periodStart;
  out = CompleteSchedule(ScheduleRecord{}, period, kNow);
  EXPECT_FALSE(out.accepted);
  EXPECT_EQ(out.refusal, "기간 설정은 시작 날짜보다 종료 날짜가 더 커야 합니다.");
}

TEST(ScheduleEditing, DatedSchedulesInThePastAreAcceptedButDisarmed) {
  ScheduleForm date = Form(Recurrence::OnDate);
  date.date = CivilDate{2009, 3, 16};
  EditOutcome out = CompleteSchedule(ScheduleRecord{}, date, kNow);
  EXPECT_TRUE(out.accepted);
  EXPECT_EQ(out.record.enabled, 0);
  // An all-day date lasts its whole day.
  date.date = kNow.date;
  date.timeMode = TimeMode::AllDay;
  EXPECT_EQ(CompleteSchedule(ScheduleRecord{}, date, kNow).record.enabled, 1);
  date.timeMode = TimeMode::AtTime;
  date.hour = 20;
  date.minute = 29;
  EXPECT_EQ(CompleteSchedule(ScheduleRecord{}, date, kNow).record.enabled, 0);

  ScheduleForm period = Form(Recurrence::Period);
  period.periodEnd = CivilDate{2009, 3, 17};
  period.hour = 20;
  period.minute = 31;
  out = CompleteSchedule(ScheduleRecord{}, period, kNow);
  EXPECT_EQ(out.record.enabled, 1);
  EXPECT_EQ(out.record.endDateCode, DateCode(2009, 3, 17));
  period.minute = 29;
  EXPECT_EQ(CompleteSchedule(ScheduleRecord{}, period, kNow).record.enabled, 0);
}

TEST(ScheduleEditing, TheDayPageAlwaysMakesADatedSchedule) {
  ScheduleRecord working;
  EXPECT_EQ(CompleteDaySchedule(working, kNow.date, 9, 0, TimeMode::AtTime, 1, kNow).refusal, "내용이 없습니다");
  working.message = "병원";
  EditOutcome out = CompleteDaySchedule(working, CivilDate{2009, 3, 18}, 9, 0, TimeMode::AtTime, 2, kNow);
  ASSERT_TRUE(out.accepted);
  EXPECT_EQ(out.record.recurrence, Recurrence::OnDate);
  EXPECT_EQ(out.record.enabled, 1);
  EXPECT_EQ(out.record.alertStyle, AlertStyle::Popup);
  out = CompleteDaySchedule(working, kNow.date, 20, 0, TimeMode::AtTime, 1, kNow);
  EXPECT_EQ(out.record.enabled, 0);
  // An all-day schedule added for today is still to come until midnight, as in the editor.
  out = CompleteDaySchedule(working, kNow.date, 20, 0, TimeMode::AllDay, 1, kNow);
  EXPECT_EQ(out.record.enabled, 1);
  EXPECT_EQ(out.record.hour, 0);
  EXPECT_EQ(CompleteDaySchedule(working, CivilDate{2009, 3, 16}, 0, 0, TimeMode::AllDay, 1, kNow).record.enabled, 0);
}

TEST(ScheduleEditing, AnEditKeepsItsMemoUnlessTheGivenOneIsGone) {
  EXPECT_EQ(MemoIdForEdit("a.rtf", "", false), "a.rtf");  // from the manager: no memo given
  EXPECT_EQ(MemoIdForEdit("", "b.rtf", true), "b.rtf");
  EXPECT_EQ(MemoIdForEdit("a.rtf", "b.rtf", false), "");
}

TEST(ScheduleEditing, ChoicesAreRememberedForTheNextSchedule) {
  AlarmSettings alarm;
  ScheduleRecord r;
  r.leadMinutes = 10;
  r.recurrence = Recurrence::Weekdays;
  r.alertStyle = AlertStyle::PostIt;
  r.soundFile = "a.wav";
  RememberScheduleDefaults(alarm, r);
  EXPECT_EQ(alarm.beforeAlarm, 10);
  EXPECT_EQ(alarm.defaultType, 3);
  EXPECT_EQ(alarm.alarmType, 3);
  EXPECT_EQ(alarm.sound, "a.wav");
  const ScheduleRecord next = NewScheduleRecord(alarm);
  EXPECT_EQ(next.recurrence, Recurrence::Weekdays);
  EXPECT_EQ(next.leadMinutes, 10);
  EXPECT_EQ(next.imageIndex, 1);
  EXPECT_EQ(next.dayPattern, 0);
}

TEST(ScheduleEditing, ComboItemsAndQuickTimes) {
  EXPECT_EQ(LeadItemFor(0), 0);
  EXPECT_EQ(LeadItemFor(10080), 10);
  EXPECT_EQ(LeadItemFor(-1), 11);
  EXPECT_EQ(LeadItemFor(-1440), 17);
  EXPECT_EQ(LeadItemFor(45), 0);  // not offered
  for (int item = 0; item < 18; ++item) EXPECT_EQ(LeadItemFor(LeadMinutesFor(item)), item);
  EXPECT_EQ(LeadMinutesFor(18), 0);
  EXPECT_EQ(AlertItemFor(AlertStyle::None), 1);
  EXPECT_EQ(AlertItemFor(AlertStyle::PostIt), 4);

  const LocalMinute twelveLater = QuickTime(9, kNow);
  EXPECT_EQ(TimeButtonText(twelveLater.hour, twelveLater.minute), "08시 30분");
  EXPECT_EQ(QuickTime(1, LocalMinute{CivilDate{2009, 12, 31}, 23, 50}).date, (CivilDate{2010, 1, 1}));
  EXPECT_EQ(QuickTime(0, kNow).Stamp(), kNow.Stamp());
}

}  // namespace
}  // namespace quillet
