// The scheduler's minute over 20000 schedules (all but one) loaded from a file: a minute where nothing is due
// must cost next to nothing, and a minute with ten slides due a few milliseconds a slide. With the
// schedule manager shown, its refill over them all, and a minute whose one firing refills it.
#include <benchmark/benchmark.h>

#include <vector>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "QuietHosts.h"
#include "framework/GdiPlusSession.h"
#include "schedule/AlarmFileFormat.h"
#include "schedule/AlarmScheduler.h"
#include "schedule/ScheduleManagerDialog.h"
#include "settings/SettingsStore.h"

namespace quillet::win {
namespace {

// One short of the limit, at which the program asks at start-up to delete schedules.
constexpr int kSchedules = 19999;

// Nothing here is ever due in the benchmark's days: dated ones in 2099 (some with warnings),
// weekday ones on no weekday; `due` Daily slides at 09:00 come first.
std::vector<ScheduleRecord> Schedules(int due) {
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < kSchedules; ++i) {
    ScheduleRecord r;
    r.message = "schedule " + std::to_string(i);
    r.hour = 9;
    if (i < due) {
      r.recurrence = Recurrence::Daily;
    } else if (i % 2 == 0) {
      r.recurrence = Recurrence::OnDate;
      r.year = 2099, r.month = 1 + i % 12, r.day = 1 + i % 28, r.minute = i % 60;
      r.leadMinutes = i % 4 == 0 ? 30 : 0;
    } else {
      r.recurrence = Recurrence::Weekdays;
      r.dayPattern = 0;
      r.minute = i % 60;
    }
    UpdateDerivedFields(r);
    records.push_back(r);
  }
  return records;
}


// A program's settings and data folder with the alarm file, and a scheduler over them.
struct Fixture {
  explicit Fixture(int due)
      : settings(files, registry, clock, SettingsEnvironment{"C:\\Quillet\\", "", 1}, [](const std::string&) {}) {
    files.AddFolder("C:\\Quillet");
    settings.LoadAll();
    GeneralSettings& general = settings.values().general;
    files.AddFolder(general.dataFolder);
    general.alarmFile = general.dataFolder + "QuilletAlarmInfo.qla";
    files.AddFile(general.alarmFile, SerializeAlarmFile(Schedules(due)));
    frame = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  }
  ~Fixture() { DestroyWindow(frame); }
  AlarmScheduler::Services Services() {
    return AlarmScheduler::Services{
        frame, settings, files, codec, clock,
        [this] {
          return SkinWindowServices{PanelServices{settings.values().general, host}, host, files, clock,
                                    GetModuleHandleW(nullptr), "", ""};
        },
        [](const std::string&) -> MemoWindow* { return nullptr; }, []() -> ClockWindow* { return nullptr; },
        [this] {
          if (manager) manager->Refresh();
        }};
  }
  // The manager over `scheduler`'s schedules, shown.
  void ShowManager(AlarmScheduler& scheduler) {
    const ScheduleDialogServices dialogs{GetModuleHandleW(nullptr), settings, files, clock,
                                         [](const std::string&) -> MemoWindow* { return nullptr; }};
    manager = ScheduleManagerDialog::Make(frame, {dialogs, scheduler, nullptr});
    manager->Present();
  }

  GdiPlusSession gdiPlus;
  testing::MemoryFileSystem files;
  testing::MemorySettingsBackend registry;
  testing::FixedClock clock{LocalTime{2026, 12, 8, 8, 0, 0, 0, 2}};
  testing::TinyCodec codec;
  SettingsStore settings;
  QuietHost host;
  HWND frame = nullptr;
  WindowPtr<ScheduleManagerDialog> manager;
};

void MinuteWithNothingDue(benchmark::State& state) {
  Fixture fixture(0);
  AlarmScheduler scheduler(fixture.Services());
  scheduler.StartUp();
  LocalMinute now = ToLocalMinute(fixture.clock.Now());
  for (auto _ : state) {
    now = AddMinutes(now, 1);
    scheduler.OnMinute(now);
  }
  state.counters["file_changes"] = fixture.files.changes();
}

// Each iteration is 09:00 of the next day, when the ten Daily slides are due: a slide costs a
// tenth of its time.
void MinuteWithTenSlides(benchmark::State& state) {
  Fixture fixture(10);
  LocalMinute nine = ToLocalMinute(fixture.clock.Now());
  nine.hour = 9;
  for (auto _ : state) {
    state.PauseTiming();
    auto scheduler = std::make_unique<AlarmScheduler>(fixture.Services());
    scheduler->StartUp();
    nine = AddMinutes(nine, 24 * 60);
    state.ResumeTiming();
    scheduler->OnMinute(nine);
    state.PauseTiming();
    scheduler.reset();  // its windows with it
    state.ResumeTiming();
  }
}

void ManagerRefill(benchmark::State& state) {
  Fixture fixture(0);
  AlarmScheduler scheduler(fixture.Services());
  scheduler.StartUp();
  fixture.ShowManager(scheduler);
  for (auto _ : state) {
    fixture.manager->Refresh();
    UpdateWindow(fixture.manager->hwnd());
  }
  state.counters["rows"] = static_cast<double>(scheduler.list().size());
}

// 09:00 of the next day: one Daily slide fires and the shown manager is refilled.
void MinuteWithOneFiringWhileManagerShown(benchmark::State& state) {
  Fixture fixture(1);
  AlarmScheduler scheduler(fixture.Services());
  scheduler.StartUp();
  fixture.ShowManager(scheduler);
  LocalMinute nine = ToLocalMinute(fixture.clock.Now());
  nine.hour = 9;
  for (auto _ : state) {
    nine = AddMinutes(nine, 24 * 60);
    scheduler.OnMinute(nine);
    UpdateWindow(fixture.manager->hwnd());
  }
}

BENCHMARK(ManagerRefill)->Unit(benchmark::kMillisecond);
BENCHMARK(MinuteWithOneFiringWhileManagerShown)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(MinuteWithNothingDue)->Unit(benchmark::kMillisecond);
BENCHMARK(MinuteWithTenSlides)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
