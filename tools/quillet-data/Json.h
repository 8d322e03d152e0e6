#pragma once

#include <string>
#include <string_view>

namespace quillet {

class TextCodec;

// A JSON string literal of CP949 text, converted to UTF-8.
std::string JsonString(std::string_view cp949, const TextCodec& codec);

}  // namespace quillet
