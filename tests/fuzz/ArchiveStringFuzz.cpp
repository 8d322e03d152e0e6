// Any bytes as a run of archive strings and integers: the reader must never read past the end
// or allocate more than the input holds.
#include <cstddef>
#include <cstdint>

#include "Fakes.h"
#include "archive/ArchiveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const quillet::testing::TinyCodec codec;
  quillet::ArchiveReader reader(std::string_view(reinterpret_cast<const char*>(data), size), codec);
  std::size_t total = 0;
  while (reader.ok() && !reader.AtEnd()) {
    total += reader.String().size();
    if (total > size) __builtin_trap();
    reader.Int32();
  }
  return 0;
}
