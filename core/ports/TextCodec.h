#pragma once

#include <string>
#include <string_view>

namespace quillet {

// Conversions between the program's CP949 text and the encodings it meets at its edges.
// Characters that have no CP949 form become '?'; malformed CP949 becomes U+FFFD.
class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual std::string Utf16ToCp949(std::u16string_view text) const = 0;
  virtual std::string Cp949ToUtf8(std::string_view text) const = 0;
};

}  // namespace quillet
