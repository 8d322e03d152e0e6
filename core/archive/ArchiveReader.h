#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

class TextCodec;

// Reads the little-endian stream of the program's binary files. The first failure sticks:
// every later read returns zero values, and ok() stays false. No read ever goes past the end,
// and no string is allocated larger than the bytes that remain.
class ArchiveReader {
 public:
  // `codec` converts the rare UTF-16 strings to CP949; it must outlive the reader.
  ArchiveReader(std::string_view bytes, const TextCodec& codec);

  std::int32_t Int32();
  std::uint32_t UInt32();
  std::string String();

  bool ok() const { return ok_; }
  bool AtEnd() const { return position_ == bytes_.size(); }
  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }

 private:
  bool Take(std::size_t count, std::string_view& out);
  std::uint8_t Byte();
  std::uint16_t Word();
  std::uint64_t QWord();
  std::uint64_t Length();
  std::uint64_t LengthFrom(std::uint16_t word);

  std::string_view bytes_;
  const TextCodec& codec_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace quillet
