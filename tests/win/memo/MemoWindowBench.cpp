// Opening a group of a hundred memos as start-up does: one memo window per record, each with its
// editor, title strip and content file, shown and painted. The working set they add is reported
// as a counter.
#include <benchmark/benchmark.h>

#include "platform/WinApi.h"

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "memo/OleSession.h"
#include "support/MemoryProgram.h"

namespace quillet::win {
namespace {

constexpr int kMemos = 100;

double WorkingSetMegabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

void OpenHundredMemos(benchmark::State& state) {
  OleSession ole;
  testing::MemoryProgram program;
  quillet::testing::MemoryFileSystem& files = program.files;
  SettingsStore& settings = program.settings;
  const std::string folder = settings.values().general.dataFolder;
  std::vector<MemoRecord> records;
  for (int i = 0; i < kMemos; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "memo%03d.rtf", i);
    files.AddFile(folder + name, "{\\rtf1\\ansi\\ansicpg949\\deff0{\\fonttbl{\\f0\\fcharset129 Gulim;}}\\f0 "
                                 "\\'b8\\'de\\'b8\\'f0 " + std::to_string(i) + "\\par second line\\par}");
    MemoRecord record = NewMemoRecord(settings.values().general);
    const int x = 20 + (i % 10) * 120;
    const int y = 20 + (i / 10) * 90;
    record.windowRect = Rect{x, y, x + 115, y + 85};
    record.expandedSize = Size{115, 85};
    record.colorType = i % 12;
    record.paletteColor = settings.values().color.palette[static_cast<std::size_t>(i % 12)].value;
    record.contentFile = name;
    record.expanded = i % 4 == 0 ? 0 : 1;
    if (i % 3 == 0) record.title = "title " + std::to_string(i);
    records.push_back(record);
  }
  testing::QuietMemoHost host(true);
  const MemoServices services{settings, files, program.clock, nullptr, host, [](const std::string&) {}};

  const double before = WorkingSetMegabytes();
  double added = 0;
  for (auto _ : state) {
    std::vector<WindowPtr<MemoWindow>> windows;
    windows.reserve(records.size());
    for (const MemoRecord& record : records) {
      WindowPtr<MemoWindow> memo = MemoWindow::CreateFromRecord(services, record);
      if (!memo) {
        state.SkipWithError("a memo window could not be made");
        return;
      }
      ShowWindow(memo->hwnd(), SW_SHOWNOACTIVATE);
      UpdateWindow(memo->hwnd());
      windows.push_back(std::move(memo));
    }
    Pump();
    state.PauseTiming();
    added = WorkingSetMegabytes() - before;
    windows.clear();
    Pump();
    state.ResumeTiming();
  }
  state.counters["added_working_set_MB"] = added;
  state.counters["working_set_MB"] = before + added;
}

BENCHMARK(OpenHundredMemos)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
