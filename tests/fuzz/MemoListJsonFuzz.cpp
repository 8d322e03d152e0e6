// Any bytes as the JSON of a memo list, through the tool's reader and import: the reader must
// stop cleanly on anything, and whatever imports must dump and import again to the same file.
#include <cstddef>
#include <cstdint>

#include "DumpMemoList.h"
#include "Fakes.h"
#include "ImportMemoList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  static const testing::TinyCodec codec;
  const ImportResult first = ImportMemoList(std::string_view(reinterpret_cast<const char*>(data), size), codec);
  if (!first.error.empty()) return 0;
  const DumpResult dump = DumpMemoList(first.bytes, codec);
  if (!dump.error.empty() || ImportMemoList(dump.json, codec).bytes != first.bytes) __builtin_trap();
  return 0;
}
