#include "Unicode.h"

namespace quillet {

namespace {

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

std::optional<char32_t> NextCodePoint(std::string_view utf8, std::size_t& position) {
  if (position >= utf8.size()) return std::nullopt;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[position + i]); };
  const unsigned lead = byte(0);
  // Sequence length by lead byte, and the smallest code point each length may carry.
  std::size_t length = 1;
  char32_t smallest = 0;
  if (lead >= 0xF0 && lead < 0xF8) {
    length = 4;
    smallest = 0x10000;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    length = 3;
    smallest = 0x800;
  } else if (lead >= 0xC0 && lead < 0xE0) {
    length = 2;
    smallest = 0x80;
  } else if (lead >= 0x80) {
    return std::nullopt;
  }
  char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
  if (utf8.size() - position < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < smallest || c > 0x10FFFF || IsSurrogate(c)) return std::nullopt;
  position += length;
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto put = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  if (c < 0x80) {
    put(c);
    return;
  }
  const int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  const char32_t leadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  put(leadMarks[continuations] | (c >> (6 * continuations)));
  for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) put(0x80 | ((c >> shift) & 0x3F));
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
    return;
  }
  c -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

}  // namespace quillet
