#include "archive/ArchiveReader.h"

#include "ports/TextCodec.h"

namespace quillet {

namespace {

constexpr std::uint8_t kLongLength = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kWordOverflow = 0xFFFF;
constexpr std::uint32_t kDWordOverflow = 0xFFFFFFFF;

std::uint64_t LittleEndian(std::string_view raw) {
  std::uint64_t value = 0;
  for (std::size_t i = raw.size(); i-- > 0;) value = (value << 8) | static_cast<unsigned char>(raw[i]);
  return value;
}

}  // namespace

ArchiveReader::ArchiveReader(std::string_view bytes, const TextCodec& codec) : bytes_(bytes), codec_(codec) {}

bool ArchiveReader::Take(std::size_t count, std::string_view& out) {
  if (!ok_ || count > Remaining()) {
    ok_ = false;
    out = {};
    return false;
  }
  out = bytes_.substr(position_, count);
  position_ += count;
  return true;
}

std::uint8_t ArchiveReader::Byte() {
  std::string_view raw;
  return Take(1, raw) ? static_cast<std::uint8_t>(LittleEndian(raw)) : 0;
}

std::uint16_t ArchiveReader::Word() {
  std::string_view raw;
  return Take(2, raw) ? static_cast<std::uint16_t>(LittleEndian(raw)) : 0;
}

std::uint32_t ArchiveReader::UInt32() {
  std::string_view raw;
  return Take(4, raw) ? static_cast<std::uint32_t>(LittleEndian(raw)) : 0;
}

std::uint64_t ArchiveReader::QWord() {
  std::string_view raw;
  return Take(8, raw) ? LittleEndian(raw) : 0;
}

std::int32_t ArchiveReader::Int32() { return static_cast<std::int32_t>(UInt32()); }

// A word below 0xFFFF is the length; else a dword follows, and past that a qword.
std::uint64_t ArchiveReader::LengthFrom(std::uint16_t word) {
  if (word < kWordOverflow) return word;
  const std::uint32_t dword = UInt32();
  return dword < kDWordOverflow ? dword : QWord();
}

std::uint64_t ArchiveReader::Length() {
  const std::uint8_t byte = Byte();
  return byte < kLongLength ? byte : LengthFrom(Word());
}

std::string ArchiveReader::String() {
  bool wide = false;
  std::uint64_t length = 0;
  const std::uint8_t byte = Byte();
  if (byte < kLongLength) {
    length = byte;
  } else {
    const std::uint16_t word = Word();
    wide = word == kWideMarker;
    length = wide ? Length() : LengthFrom(word);
  }
  if (!ok_) return {};
  const std::uint64_t byteCount = wide ? 2 * length : length;  // may wrap only for lengths rejected next
  std::string_view raw;
  if (length > Remaining() || !Take(static_cast<std::size_t>(byteCount), raw)) {
    ok_ = false;
    return {};
  }
  if (!wide) return std::string(raw);
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(LittleEndian(raw.substr(2 * i, 2)));
  }
  return codec_.Utf16ToCp949(text);
}

}  // namespace quillet
