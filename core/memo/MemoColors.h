#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "settings/Settings.h"

namespace quillet {

// A Windows COLORREF: 0x00BBGGRR.
using Colorref = std::uint32_t;

// Each of red, green and blue multiplied by `factor`, truncated and held to 0..255.
Colorref ScaleColor(Colorref color, double factor);
// The same, but never darker: factors below 1 count as 1.
Colorref LightenColor(Colorref color, double factor);

// The colours a memo shows for one base (palette) colour.
struct MemoColors {
  Colorref base = 0;       // the palette colour itself
  Colorref title = 0;      // frame, title band and editor background: lighten(base, 1.2)
  Colorref formatBar = 0;  // lighten(base, 1.1)
  Colorref buttons = 0;    // behind the title-strip buttons: title with "SkinType" on, else base
};
MemoColors ColorsFor(Colorref base, bool skinType);

// The palette entry of a colour index; every index counts modulo the palette.
Colorref PaletteColor(const std::array<Bgr, kPaletteSize>& palette, int index);

// The flash draws the memo in these instead of its own colour, alternately.
constexpr Colorref kFlashColors[2] = {0xC83C32, 0xFAFAC8};

// The one column of the title strip's gradient (without "SkinType"), top to bottom, from which
// the strip's interior is stretched; `height` rows.
std::vector<Colorref> TitleStripColumn(Colorref base, int height);

}  // namespace quillet
