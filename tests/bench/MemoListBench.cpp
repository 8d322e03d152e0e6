// Reading and writing a group of a thousand memos, the largest a user is expected to keep, and
// gathering the content files of fifty such groups for the restore dialog and group deletion.
#include <benchmark/benchmark.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoListFormat.h"
#include "memo/MemoListStore.h"
#include "memo/RecycleBin.h"

namespace quillet {
namespace {

const std::string kFolder = "C:\\Quillet\\memo_data\\";
constexpr int kMemos = 1000;

std::vector<MemoRecord> Group() {
  std::vector<MemoRecord> records;
  for (int n = 0; n < kMemos; ++n) {
    MemoRecord r;
    r.windowRect = Rect{n % 1500, n % 800, n % 1500 + 180, n % 800 + 100};
    r.expandedSize = Size{180, 100};
    r.contentFile = "20261208093015" + std::to_string(100 + n % 900) + ".rtf";
    r.title = "회의 메모 " + std::to_string(n);
    r.editTime = "2026-12-8 09:30";
    r.titleFont = "7816192|0|0|0|14|Tahoma";
    records.push_back(r);
  }
  return records;
}

struct Fixture {
  testing::MemoryFileSystem files;
  testing::TinyCodec codec;
  testing::FixedClock clock;
  MemoListStore store{files, codec, clock};
  ScreenGeometry screens{Size{1920, 1080}, {Rect{0, 0, 1920, 1080}}};
  Fixture() { files.AddFile(kFolder + "DefaultMemo.qld", SerializeMemoList(Group())); }
};

void ReadThousandMemos(benchmark::State& state) {
  Fixture f;
  std::vector<MemoRecord> records;
  for (auto _ : state) {
    records.clear();
    f.store.ReadCurrentGroup(kFolder, "DefaultMemo.qld", MemoRecord{}, f.screens, records);
    benchmark::DoNotOptimize(records.data());
  }
  state.counters["memos"] = static_cast<double>(records.size());
}
BENCHMARK(ReadThousandMemos)->Unit(benchmark::kMicrosecond);

void WriteThousandMemos(benchmark::State& state) {
  Fixture f;
  std::vector<MemoRecord> records = Group();
  for (auto _ : state) {
    f.store.WriteGroup(kFolder, "DefaultMemo.qld", records);
  }
  state.counters["bytes"] = static_cast<double>(f.files.Bytes(kFolder + "DefaultMemo.qld").size());
}
BENCHMARK(WriteThousandMemos)->Unit(benchmark::kMicrosecond);

void ContentFilesOfFiftyGroups(benchmark::State& state) {
  testing::MemoryFileSystem files;
  testing::TinyCodec codec;
  std::vector<MemoRecord> records = Group();
  for (int group = 0; group < 50; ++group) {
    for (int n = 0; n < kMemos; ++n) records[n].contentFile = std::to_string(group * kMemos + n) + ".rtf";
    files.AddFile(kFolder + "Group" + std::to_string(group) + ".qld", SerializeMemoList(records));
  }
  std::size_t names = 0;
  for (auto _ : state) {
    const ListedContentFiles listed = ContentFilesOfLists(files, codec, kFolder);
    names = listed.keys.size();
    benchmark::DoNotOptimize(listed.keys.data());
  }
  state.counters["names"] = static_cast<double>(names);
}
BENCHMARK(ContentFilesOfFiftyGroups)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet

BENCHMARK_MAIN();
