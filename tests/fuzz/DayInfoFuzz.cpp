// Any bytes as "DayInfo.dat", through the store the calendar reads it with: whatever is read
// must be writable, and write and reread to the same records with no line left over.
#include <cstddef>
#include <cstdint>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "calendar/Anniversaries.h"
#include "calendar/DayInfoFormat.h"
#include "calendar/DayInfoStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  testing::MemoryFileSystem files;
  testing::FixedClock clock;
  const std::string path = DayInfoPath("C:\\Quillet");
  files.AddFile(path, std::string(reinterpret_cast<const char*>(data), size));
  DayInfoStore store(files, clock, path);
  std::vector<DayInfoRecord> records;
  store.Read(records);
  if (store.Write(records).status != DayInfoWriteStatus::Saved) __builtin_trap();

  const ParsedDayInfo reread = ParseDayInfo(files.Bytes(path));
  if (!reread.skipped.empty() || reread.records != records) __builtin_trap();
  // The month data indexes tables by day and mark: any record must stay inside them.
  AnniversariesOfMonth(records, 2000 + static_cast<int>(size % 31), 1 + static_cast<int>(size % 12));
  return 0;
}
