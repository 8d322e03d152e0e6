#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// Builds the little-endian stream of the program's binary files in memory; the caller writes
// the finished bytes in one atomic replace.
class ArchiveWriter {
 public:
  void Int32(std::int32_t value);
  void UInt32(std::uint32_t value);
  // CP949 bytes with the length prefix the reader expects; never the UTF-16 form.
  void String(std::string_view text);

  const std::string& bytes() const { return bytes_; }
  std::string Take() { return std::move(bytes_); }

 private:
  void Raw(std::uint64_t value, int byteCount);

  std::string bytes_;
};

}  // namespace quillet
