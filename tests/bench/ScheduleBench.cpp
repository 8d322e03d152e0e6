// The alarm hot paths: loading the largest list the program keeps, the check that runs every
// minute over it, and catching up minutes a late tick missed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "calendar/MonthDays.h"
#include "schedule/AlarmFileFormat.h"
#include "schedule/AlarmFileStore.h"
#include "schedule/AlarmRules.h"
#include "schedule/MinuteCatchUp.h"
#include "schedule/TodayItems.h"
#include "schedule/ScheduleEditing.h"

namespace quillet {
namespace {

constexpr int kSchedules = 20000;

std::vector<ScheduleRecord> ManySchedules() {
  std::vector<ScheduleRecord> records;
  for (int n = 0; n < kSchedules; ++n) {
    ScheduleRecord r;
    r.recurrence = static_cast<Recurrence>(n % 6);
    r.year = 2026;
    r.month = 1 + n % 12;
    r.day = 1 + n % 28;
    r.hour = n % 24;
    r.minute = n % 60;
    r.dayPattern = r.recurrence == Recurrence::Weekdays ? 62 : r.recurrence == Recurrence::MonthDay ? 1 + n % 32 : 1;
    r.endDateCode = 2027 * 372 + 31 + 1;
    r.leadMinutes = kLeadChoices[static_cast<std::size_t>(n) % kLeadChoices.size()];
    r.message = "일정 알림 " + std::to_string(n);
    r.soundFile = "C:\\Windows\\Media\\ding.wav";
    records.push_back(r);
  }
  return records;
}

void LoadTwentyThousandSchedules(benchmark::State& state) {
  testing::MemoryFileSystem files;
  testing::TinyCodec codec;
  testing::FixedClock clock;
  files.AddFile("C:\\data\\QuilletAlarmInfo.qla", SerializeAlarmFile(ManySchedules()));
  AlarmFileStore store(files, codec, clock);
  ScheduleList list;
  for (auto _ : state) {
    store.Load("C:\\data\\QuilletAlarmInfo.qla", "C:\\data\\", ScheduleRecord{}, list);
    benchmark::DoNotOptimize(list.size());
  }
  state.counters["schedules"] = static_cast<double>(list.size());
}
BENCHMARK(LoadTwentyThousandSchedules)->Unit(benchmark::kMillisecond);

void MinuteCheckOverTwentyThousand(benchmark::State& state) {
  ScheduleList list;
  for (ScheduleRecord& record : ManySchedules()) {
    record.recurrence = record.recurrence == Recurrence::Once || record.recurrence == Recurrence::OnDate
                            ? Recurrence::Daily  // nothing is disarmed between iterations
                            : record.recurrence;
    list.Append(record);
  }
  LocalMinute now{CivilDate{2026, 12, 8}, 9, 30};
  std::size_t fired = 0;
  for (auto _ : state) {
    fired = CheckMinute(list, now).firings.size();
    benchmark::DoNotOptimize(fired);
  }
  state.counters["fired"] = static_cast<double>(fired);
}
BENCHMARK(MinuteCheckOverTwentyThousand)->Unit(benchmark::kMicrosecond);

// A mix like a heavy user's: mostly daily and weekday alarms, dated ones mostly done, a few leads.
ScheduleList MixedSchedules(const LocalMinute& now) {
  std::mt19937 random(20260505);
  const auto pick = [&](std::size_t below) { return static_cast<int>(random() % below); };
  ScheduleList list;
  for (int n = 0; n < kSchedules; ++n) {
    ScheduleRecord r;
    const int kind = pick(100);
    r.recurrence = kind < 35   ? Recurrence::Daily
                   : kind < 60 ? Recurrence::Weekdays
                   : kind < 80 ? Recurrence::OnDate
                   : kind < 88 ? Recurrence::MonthDay
                   : kind < 95 ? Recurrence::Period
                               : Recurrence::Once;
    r.year = 2025 + pick(3);
    r.month = 1 + pick(12);
    r.day = 1 + pick(28);
    r.hour = pick(24);
    r.minute = pick(60);
    r.dayPattern = r.recurrence == Recurrence::Weekdays   ? 1 + pick(127)
                   : r.recurrence == Recurrence::MonthDay ? 1 + pick(32)
                                                          : 1;
    r.endDateCode = static_cast<std::int32_t>(DateCode(r.year, r.month, r.day) + pick(60));
    r.timeMode = pick(10) == 0 ? TimeMode::AllDay : TimeMode::AtTime;
    r.leadMinutes = pick(4) == 0 ? kLeadChoices[static_cast<std::size_t>(pick(kLeadChoices.size()))] : 0;
    r.message = "일정 알림 " + std::to_string(n);
    UpdateDerivedFields(r);
    // Dated schedules in the past are done; the rest stay armed across iterations by not being due.
    const bool dated = r.recurrence == Recurrence::OnDate || r.recurrence == Recurrence::Once;
    if (dated && r.minuteStamp <= now.Stamp()) r.enabled = 0;
    if (r.recurrence == Recurrence::Once && r.hour == now.hour) r.hour = (r.hour + 1) % 24;
    list.Append(r);
  }
  return list;
}

void CatchUpFiveMissedMinutes(benchmark::State& state) {
  const LocalMinute now{CivilDate{2026, 5, 5}, 9, 30};
  ScheduleList list = MixedSchedules(now);
  std::size_t fired = 0;
  for (auto _ : state) {
    AlarmCheckState check;
    check.lastExamined = AddMinutes(now, -(kMaxCaughtUpMinutes + 1));
    fired = CheckDueMinutes(list, now, check).firings.size();
    benchmark::DoNotOptimize(fired);
  }
  state.counters["fired"] = static_cast<double>(fired);
}
BENCHMARK(CatchUpFiveMissedMinutes)->Unit(benchmark::kMillisecond);

// The calendar's day data of one month: 500 anniversaries, a fifth of them lunar, and 20000
// schedules.
void MonthDaysOfABusyCalendar(benchmark::State& state) {
  std::vector<DayInfoRecord> anniversaries;
  for (int n = 0; n < 500; ++n) {
    anniversaries.push_back(DayInfoRecord{1 + n % 12, 1 + n % 28, 1 + n % 11, "기념일 " + std::to_string(n), n % 5 == 0,
                                          n % 7 == 0, false, n});
  }
  ScheduleList schedules;
  for (ScheduleRecord& record : ManySchedules()) schedules.Append(record);
  int marked = 0;
  for (auto _ : state) {
    const CalendarMonth month = MonthDays(anniversaries, schedules, 2026, 9);
    marked = static_cast<int>(std::count_if(month.days.begin(), month.days.end(),
                                            [](const CalendarDay& day) { return day.hasSomething; }));
    benchmark::DoNotOptimize(marked);
  }
  state.counters["days_marked"] = marked;
}
BENCHMARK(MonthDaysOfABusyCalendar)->Unit(benchmark::kMicrosecond);

// The schedule view's refresh: today's items over 20000 schedules and a year of anniversaries.
void TodayItemsOverTwentyThousand(benchmark::State& state) {
  std::vector<DayInfoRecord> anniversaries;
  for (int n = 0; n < 365; ++n) {
    anniversaries.push_back(DayInfoRecord{1 + n % 12, 1 + n % 28, 1, "기념일", n % 4 == 0, false, false, n});
  }
  ScheduleList schedules;
  for (ScheduleRecord& record : ManySchedules()) schedules.Append(record);
  std::size_t items = 0;
  for (auto _ : state) {
    items = TodayItems(schedules, &anniversaries, CivilDate{2026, 9, 14}, 12, 0).size();
    benchmark::DoNotOptimize(items);
  }
  state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(TodayItemsOverTwentyThousand)->Unit(benchmark::kMicrosecond);

// The manager's "시간지난것 삭제" over a full list of expired dated schedules.
void PurgeTwentyThousandExpired(benchmark::State& state) {
  const LocalMinute now{CivilDate{2026, 12, 8}, 9, 30};
  ScheduleRecord expired;
  expired.recurrence = Recurrence::OnDate;
  expired.year = 2026;
  expired.month = 1;
  expired.day = 5;
  int removed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ScheduleList list;
    for (int n = 0; n < kSchedules; ++n) list.Append(expired);
    state.ResumeTiming();
    removed = PurgeExpired(list, now);
    benchmark::DoNotOptimize(removed);
  }
  state.counters["removed"] = removed;
}
BENCHMARK(PurgeTwentyThousandExpired)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet

BENCHMARK_MAIN();
