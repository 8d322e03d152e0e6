// Any bytes as the JSON of a memo list or an alarm file, through the tool's reader and import: the
// reader must stop cleanly on anything, and whatever imports must dump and import again to the
// same file.
#include <cstddef>
#include <cstdint>

#include "DumpAlarmFile.h"
#include "DumpMemoList.h"
#include "Fakes.h"
#include "Import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  static const testing::TinyCodec codec;
  const ImportResult first = ImportDataFile(std::string_view(reinterpret_cast<const char*>(data), size), "out", codec);
  if (!first.error.empty()) return 0;
  const DumpResult dump = LooksLikeAlarmFile(first.bytes) ? DumpAlarmFile(first.bytes, codec)
                                                          : DumpMemoList(first.bytes, codec);
  if (!dump.error.empty() || ImportDataFile(dump.json, "out", codec).bytes != first.bytes) __builtin_trap();
  return 0;
}
