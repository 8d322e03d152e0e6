#pragma once

#include <cstdint>
#include <string>

namespace quillet::testing {

// Archive bytes put together by hand, independently of the writer under test.
struct ByteBuilder {
  std::string bytes;

  ByteBuilder& Int(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return *this;
  }
  // Short strings only: a one-byte length.
  ByteBuilder& Str(const std::string& text) {
    bytes.push_back(static_cast<char>(text.size()));
    bytes += text;
    return *this;
  }
};

}  // namespace quillet::testing
