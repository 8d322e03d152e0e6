#include <gtest/gtest.h>

#include <climits>

#include "schedule/DateKeys.h"
#include "schedule/FireDecision.h"
#include "schedule/ScheduleTexts.h"

namespace quillet {
namespace {

ScheduleRecord Of(Recurrence recurrence, int dayPattern = 1) {
  ScheduleRecord r;
  r.recurrence = recurrence;
  r.year = 2009;
  r.month = 3;
  r.day = 1;
  r.hour = 8;
  r.minute = 5;
  r.dayPattern = dayPattern;
  r.message = "첫째 줄\r\n둘째 줄";
  return r;
}

TEST(ScheduleRows, KindTextsOfEveryRecurrence) {
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::Daily)).kind, "날마다 알림");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::Once)).kind, "한번만 알림");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::OnDate)).kind, "특정일(2009/03/01)");
  ScheduleRecord dDay = Of(Recurrence::OnDate);
  dDay.isDDay = 1;
  EXPECT_EQ(ScheduleRowOf(dDay).kind, "D-day(2009/03/01)");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::Weekdays, 42)).kind, "[ 월 수 금 ]");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::Weekdays, 62)).kind, "[ 평일 ]");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::Weekdays, 65)).kind, "[ 주말 ]");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::Weekdays, 127)).kind, "[ 일 월 화 수 목 금 토 ]");
  ScheduleRecord period = Of(Recurrence::Period);
  period.endDateCode = static_cast<std::int32_t>(DateCode(2009, 3, 10));
  EXPECT_EQ(ScheduleRowOf(period).kind, "2009/03/01~2009/03/10");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::MonthDay, 32)).kind, "매월 말일에 알림");
  EXPECT_EQ(ScheduleRowOf(Of(Recurrence::MonthDay, 7)).kind, "매월 [7] 일에 알림");
}

TEST(ScheduleRows, TimesMessagesAndIcons) {
  ScheduleRecord r = Of(Recurrence::Once);
  ScheduleRow row = ScheduleRowOf(r);
  EXPECT_EQ(row.time, " 08시 05분");
  EXPECT_EQ(row.message, "첫째 줄/둘째 줄");
  EXPECT_EQ(row.icon, 1);
  r.enabled = 0;
  EXPECT_EQ(ScheduleRowOf(r).icon, 7);
  r.recurrence = Recurrence::OnDate;
  EXPECT_EQ(ScheduleRowOf(r).icon, 8);
  r.timeMode = TimeMode::AllDay;
  r.memoId = "1.rtf";
  row = ScheduleRowOf(r);
  EXPECT_EQ(row.time, " 하루 종일");
  EXPECT_EQ(row.message, "  [Memo Data]  ");
  EXPECT_EQ(DeleteScheduleQuestion("회의"), "\"회의\" 일정을 삭제하시겠습니까");
}

TEST(LeadText, EveryBandAndItsEdges) {
  EXPECT_EQ(LeadText(10080), "일정 일주일 전 입니다.");
  EXPECT_EQ(LeadText(1440), "일정 하루 전 입니다.");
  EXPECT_EQ(LeadText(360), "일정 [6] 시간 전 입니다.");
  EXPECT_EQ(LeadText(120), "일정 [2] 시간 전 입니다.");
  EXPECT_EQ(LeadText(60), "일정 [1] 시간 전 입니다.");
  EXPECT_EQ(LeadText(59), "일정 [59] 분 전 입니다.");
  EXPECT_EQ(LeadText(1), "일정 [1] 분 전 입니다.");
  EXPECT_EQ(LeadText(-1), "일정 [1] 분 지났습니다.");
  EXPECT_EQ(LeadText(-30), "일정 [30] 분 지났습니다.");
  EXPECT_EQ(LeadText(-59), "일정 [59] 분 지났습니다.");
  EXPECT_EQ(LeadText(-60), "일정 [1] 시간 지났습니다.");
  EXPECT_EQ(LeadText(-1439), "일정 [23] 시간 지났습니다.");
  EXPECT_EQ(LeadText(-1440), "일정이 하루 지났습니다.");
}

TEST(FireDecision, OnTimeNotificationsFollowTheRecordsStyle) {
  FireSettings settings;
  settings.autoCloseSeconds = 7;
  settings.clockViewMode = ClockViewMode::AtSetTimes;
  settings.clockShowSeconds = 4;
  ScheduleRecord r = Of(Recurrence::Daily);
  r.alertStyle = AlertStyle::Slide;
  r.soundFile = "ding.wav";
  r.runCommand = "calc.exe";
  FireDecision d = DecideFiring(r, FireKind::OnTime, settings);
  EXPECT_EQ(d.showClockMilliseconds, 4000);
  ASSERT_TRUE(d.notification);
  EXPECT_EQ(d.notification->title, "[일 정]   2009/03/01 08:05");
  EXPECT_EQ(d.notification->body, r.message);
  EXPECT_EQ(d.notification->autoCloseMilliseconds, 7000);
  EXPECT_EQ(d.notification->titleColor, (Rgb{90, 100, 255}));
  EXPECT_EQ(d.notification->bodyColor, (Rgb{60, 60, 60}));
  EXPECT_EQ(d.soundFile, "ding.wav");
  EXPECT_EQ(d.runCommand, "calc.exe");

  r.alertStyle = AlertStyle::PostIt;
  d = DecideFiring(r, FireKind::OnTime, settings);
  EXPECT_EQ(d.notification->autoCloseMilliseconds, kStaysOpen);
  EXPECT_EQ(d.notification->titleColor, (Rgb{60, 60, 60}));
  EXPECT_EQ(d.notification->bodyColor, (Rgb{0, 0, 255}));
  r.alertStyle = AlertStyle::Popup;
  EXPECT_EQ(DecideFiring(r, FireKind::OnTime, settings).notification->autoCloseMilliseconds, kStaysOpen);
  r.alertStyle = AlertStyle::PopupAutoClose;
  EXPECT_EQ(DecideFiring(r, FireKind::OnTime, settings).notification->autoCloseMilliseconds, 7000);

  // Settings from a file may hold anything: the delays stop at the largest int.
  FireSettings extreme = settings;
  extreme.autoCloseSeconds = 3000000;
  extreme.clockShowSeconds = 3000000;
  d = DecideFiring(r, FireKind::OnTime, extreme);
  EXPECT_EQ(d.notification->autoCloseMilliseconds, INT_MAX);
  EXPECT_EQ(d.showClockMilliseconds, INT_MAX);

  // "알리지 않음": no window and no clock; the sound and the command still act.
  r.alertStyle = AlertStyle::None;
  d = DecideFiring(r, FireKind::OnTime, settings);
  EXPECT_FALSE(d.notification);
  EXPECT_EQ(d.showClockMilliseconds, 0);
  EXPECT_EQ(d.soundFile, "ding.wav");
}

TEST(FireDecision, WarningsAlwaysCloseAndMemosReplaceTheWindow) {
  FireSettings settings;
  settings.autoCloseSeconds = 5;
  settings.warningStyle = AlertStyle::Popup;
  settings.clockViewMode = ClockViewMode::Always;
  ScheduleRecord r = Of(Recurrence::Daily);
  r.alertStyle = AlertStyle::PostIt;
  r.leadMinutes = 30;
  FireDecision d = DecideFiring(r, FireKind::Warning, settings);
  ASSERT_TRUE(d.notification);
  EXPECT_EQ(d.notification->style, AlertStyle::Popup);
  EXPECT_EQ(d.notification->title, "일정 [30] 분 전 입니다.");
  EXPECT_EQ(d.notification->autoCloseMilliseconds, 5000);
  EXPECT_EQ(d.notification->titleColor, (Rgb{255, 0, 0}));
  EXPECT_EQ(d.notification->bodyColor, (Rgb{0, 0, 255}));
  EXPECT_EQ(d.showClockMilliseconds, 0);  // the clock is always shown anyway

  r.memoId = "20260102030405006.rtf";
  d = DecideFiring(r, FireKind::OnTime, settings);
  EXPECT_EQ(d.memoToFlash, "20260102030405006.rtf");
  EXPECT_FALSE(d.notification);
  ASSERT_TRUE(d.notificationWithoutMemo);  // for a memo that is not in the open group
  EXPECT_EQ(d.notificationWithoutMemo->body, "  [Memo Data]  ");
  EXPECT_EQ(d.notificationWithoutMemo->style, AlertStyle::PostIt);
  r.memoId.clear();
  r.message.clear();
  EXPECT_FALSE(DecideFiring(r, FireKind::OnTime, settings).notification);
}

}  // namespace
}  // namespace quillet
