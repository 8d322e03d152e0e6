// Any bytes as a memo list file, through the same store the program reads groups with;
// whatever is read back must write and reread to the same records.
#include <cstddef>
#include <cstdint>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoListFormat.h"
#include "memo/MemoListStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  static const testing::TinyCodec codec;
  const std::string folder = "C:\\data\\";
  testing::MemoryFileSystem files;
  testing::FixedClock clock;
  files.AddFile(folder + "DefaultMemo.qld", std::string(reinterpret_cast<const char*>(data), size));
  MemoListStore store(files, codec, clock);
  const ScreenGeometry screens{Size{1024, 768}, {Rect{0, 0, 1024, 768}, Rect{-1024, 0, 0, 768}}};
  std::vector<MemoRecord> records;
  store.ReadCurrentGroup(folder, "DefaultMemo.qld", MemoRecord{}, screens, records);

  const ParsedMemoList reread = ParseMemoList(SerializeMemoList(records), codec, MemoRecord{});
  if (reread.cutShort || reread.records.size() != records.size()) __builtin_trap();
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i].version = kMemoRecordVersion;
    if (!(reread.records[i] == records[i])) __builtin_trap();
  }
  return 0;
}
