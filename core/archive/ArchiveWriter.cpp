#include "archive/ArchiveWriter.h"

namespace quillet {

void ArchiveWriter::Raw(std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void ArchiveWriter::Int32(std::int32_t value) { Raw(static_cast<std::uint32_t>(value), 4); }

void ArchiveWriter::UInt32(std::uint32_t value) { Raw(value, 4); }

void ArchiveWriter::String(std::string_view text) {
  const std::uint64_t length = text.size();
  if (length < 0xFF) {
    Raw(length, 1);
  } else if (length < 0xFFFE) {
    Raw(0xFF, 1);
    Raw(length, 2);
  } else {
    Raw(0xFF, 1);
    Raw(0xFFFF, 2);
    Raw(length, 4);
  }
  bytes_.append(text);
}

}  // namespace quillet
