#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// The font of a memo's title, as its text "colour|italic|underline|bold|height|face" holds it.
// The window layer makes a LOGFONT of it (DEFAULT_CHARSET, output precision 2, clip precision 1).
struct TitleFont {
  std::uint32_t color = 8404992;  // 0x804000
  bool italic = false;
  bool underline = false;
  int weight = 400;
  int height = 13;
  std::string face = "Tahoma";

  friend bool operator==(const TitleFont& a, const TitleFont& b) {
    return a.color == b.color && a.italic == b.italic && a.underline == b.underline && a.weight == b.weight &&
           a.height == b.height && a.face == b.face;
  }
};

// Text with fewer than five separators, or nothing after the fifth, gives the fallback font
// (the default-constructed one).
TitleFont ParseTitleFont(std::string_view text);
std::string FormatTitleFont(const TitleFont& font);

}  // namespace quillet
