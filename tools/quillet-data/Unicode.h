#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The code point that starts at `position` in UTF-8 text, moving `position` past it. Nothing,
// with `position` unmoved, for bytes that are not UTF-8: overlong forms, surrogates and values
// past U+10FFFF included.
std::optional<char32_t> NextCodePoint(std::string_view utf8, std::size_t& position);

void AppendUtf8(std::string& out, char32_t codePoint);
void AppendUtf16(std::u16string& out, char32_t codePoint);

}  // namespace quillet
