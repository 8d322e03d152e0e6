// The alarm hot paths: loading the largest list the program keeps, and the check that runs
// every minute over it.
#include <benchmark/benchmark.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "schedule/AlarmFileFormat.h"
#include "schedule/AlarmFileStore.h"
#include "schedule/AlarmRules.h"
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

}  // namespace
}  // namespace quillet

BENCHMARK_MAIN();
