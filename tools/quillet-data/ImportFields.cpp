#include "ImportFields.h"

#include <charconv>
#include <cstdio>

#include "Unicode.h"
#include "ports/TextCodec.h"

namespace quillet {

void Fail(const JsonValue& at, const std::string& where, const std::string& what) {
  throw ImportError{at.offset, where + ": " + what};
}

long long IntegerIn(const JsonValue& value, const std::string& where, long long low, long long high) {
  if (value.kind != JsonKind::Number) Fail(value, where, "must be a number");
  const char* const first = value.text.data();
  const char* const last = first + value.text.size();
  long long number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error == std::errc{} && end != last) Fail(value, where, "must be a whole number, without fraction or exponent");
  if (error != std::errc{} || number < low || number > high) {
    Fail(value, where, "must lie between " + std::to_string(low) + " and " + std::to_string(high));
  }
  return number;
}

// Character by character, so that the one CP949 cannot hold is named; the round trip also
// catches a converter's best-fit stand-ins, which would change the text silently.
std::string Cp949Text(const JsonValue& value, const std::string& where, const TextCodec& codec) {
  if (value.kind != JsonKind::String) Fail(value, where, "must be a string");
  const std::string& utf8 = value.text;
  std::string cp949;
  std::size_t position = 0;
  while (position < utf8.size()) {
    const std::size_t start = position;
    const char32_t c = *NextCodePoint(utf8, position);  // the reader let only UTF-8 through
    std::u16string units;
    AppendUtf16(units, c);
    const std::string converted = codec.Utf16ToCp949(units);
    const std::string_view character(utf8.data() + start, position - start);
    if (codec.Cp949ToUtf8(converted) != character) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
      Fail(value, where, "\"" + std::string(character) + "\" (" + code + ") has no CP949 form");
    }
    cp949 += converted;
  }
  return cp949;
}

}  // namespace quillet
