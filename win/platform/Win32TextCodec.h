#pragma once

#include "ports/TextCodec.h"

namespace quillet::win {

// The code-page conversions with the system's own tables (code page 949, never the ANSI one).
class Win32TextCodec final : public TextCodec {
 public:
  std::string Utf16ToCp949(std::u16string_view text) const override;
  std::string Cp949ToUtf8(std::string_view text) const override;
};

}  // namespace quillet::win
