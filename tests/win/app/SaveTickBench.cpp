// One tick of the periodic save over a group of a hundred memos that nobody changed: it must
// cost next to nothing and touch no file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoBoard.h"
#include "memo/MemoListFormat.h"
#include "memo/OleSession.h"
#include "settings/SettingsStore.h"

namespace quillet::win {
namespace {

constexpr int kMemos = 100;

void PeriodicSaveOfAnUnchangedGroup(benchmark::State& state) {
  OleSession ole;
  testing::MemoryFileSystem files;
  files.AddFolder("C:\\Quillet");
  testing::MemorySettingsBackend registry;
  testing::FixedClock clock;
  testing::TinyCodec codec;
  SettingsStore settings(files, registry, clock, SettingsEnvironment{"C:\\Quillet\\", "", 1},
                         [](const std::string&) {});
  settings.LoadAll();
  const GeneralSettings& general = settings.values().general;
  files.AddFolder(general.dataFolder);
  std::vector<MemoRecord> records;
  for (int i = 0; i < kMemos; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "memo%03d.rtf", i);
    files.AddFile(general.dataFolder + name, "{\\rtf1\\ansi memo " + std::to_string(i) + "\\par}");
    MemoRecord record = NewMemoRecord(general);
    record.windowRect = Rect{20 + (i % 10) * 120, 20 + (i / 10) * 90, 135 + (i % 10) * 120, 105 + (i / 10) * 90};
    record.expandedSize = Size{115, 85};
    record.contentFile = name;
    records.push_back(record);
  }
  files.AddFile(general.dataFolder + general.memoDbFile, SerializeMemoList(records));

  const HWND frame = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr);
  {
    MemoBoard board(MemoBoard::Services{frame, settings, files, codec, clock, nullptr, {}});
    if (!board.OpenGroup(general.memoDbFile, true) || board.Windows().size() != kMemos) {
      state.SkipWithError("the group did not open");
    } else {
      board.SaveChanged(false, MemoBoard::Report::Nothing);  // the first tick remembers the lengths
      const int before = files.changes();
      for (auto _ : state) board.SaveChanged(false, MemoBoard::Report::Nothing);
      state.counters["file_changes"] = files.changes() - before;
    }
    board.CloseAll();
  }
  DestroyWindow(frame);
}

BENCHMARK(PeriodicSaveOfAnUnchangedGroup)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
