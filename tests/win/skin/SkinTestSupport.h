#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/GdiPlusCanvas.h"
#include "skin/GdiPlusImage.h"

namespace quillet::win::skintest {

// pattern.png and resource 901, row by row.
inline const std::vector<Argb> kPattern = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF, 0x00000000, 0xFF123456};

std::unique_ptr<GdiPlusImage> MakeImage(int width, int height, const std::vector<Argb>& rows);
std::vector<Argb> PixelsOf(GdiPlusImage& image);
std::vector<Argb> PixelsOf(GdiPlusCanvas& canvas);
Argb PixelAt(GdiPlusCanvas& canvas, int x, int y);
// Pixels with a channel more than `tolerance` apart.
int DifferentPixels(GdiPlusCanvas& a, GdiPlusCanvas& b, int tolerance = 0);

// The pixels with more alpha than `threshold`: how many, and their bounds (right, bottom outside).
struct Ink {
  int count = 0, left = 0, top = 0, right = 0, bottom = 0;
};
Ink InkOf(GdiPlusCanvas& canvas, int threshold = 0);

// One line straight through GDI+, in `face` (empty: the generic sans serif), with no other font
// chosen for missing glyphs.
void DrawWithoutFallback(GdiPlusCanvas& canvas, const std::wstring& text, const std::wstring& face, int points,
                         const RectF& box);

// NAME.png in skin-canvas-output beside the test program, to look at.
void Keep(GdiPlusCanvas& canvas, const std::string& name);

}  // namespace quillet::win::skintest
