#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ports/Canvas.h"

namespace Gdiplus {
class Font;
class FontFamily;
}  // namespace Gdiplus

namespace quillet::win {

// The fonts a canvas draws skin text with, made once and kept: the skin draws every second.
//
// A face the system lacks becomes the generic sans-serif family, or else any installed one.
// GDI+ under Wine draws a character the font has no glyph for as a box instead of borrowing it
// from another font, so text with characters the face lacks (Hangul in "Tahoma") is drawn with the
// first Korean face that lacks fewer of them.
class SkinFonts {
 public:
  // `desktopDpi`: the desktop's horizontal dots per inch; sizes are points at 96.
  explicit SkinFonts(int desktopDpi);
  ~SkinFonts();
  SkinFonts(const SkinFonts&) = delete;
  SkinFonts& operator=(const SkinFonts&) = delete;

  // The font for `text` in `style`; null when no font of that size can be made.
  Gdiplus::Font* For(std::wstring_view text, const TextStyle& style);

 private:
  struct Family {
    std::unique_ptr<Gdiplus::FontFamily> family;
    std::wstring name;
  };

  const Family* FamilyFor(const std::string& face);
  const std::vector<const Family*>& KoreanFamilies();
  std::size_t MissingGlyphs(const Family& family, std::wstring_view text);
  Gdiplus::Font* FontOf(const Family& family, int size, FontStyle style);

  float dpi_;
  std::vector<std::unique_ptr<Family>> families_;
  std::map<std::string, const Family*> byFace_;
  std::optional<std::vector<const Family*>> korean_;
  // Per family name: which characters have a glyph.
  std::map<std::wstring, std::map<wchar_t, bool>> glyphs_;
  std::map<std::tuple<const Family*, int, int>, std::unique_ptr<Gdiplus::Font>> fonts_;
};

}  // namespace quillet::win
