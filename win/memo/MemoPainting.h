#pragma once

#include <optional>
#include <string>

#include "framework/Gdi.h"
#include "geometry/Rect.h"
#include "memo/MemoColors.h"
#include "memo/MemoLayout.h"
#include "memo/TitleFont.h"

namespace quillet::win {

// Everything a memo window's own painting depends on: its frame, grips, title band and folded bar
// (the editor, the strip and the buttons paint themselves).
struct MemoPicture {
  MemoMeasures measures;
  Size client;
  bool expanded = true;
  bool simple = false;  // "SimpleMemoInactive" on and the memo inactive
  bool skinType = false;
  bool viewEditTime = false;
  MemoColors colors;
  std::wstring title;
  std::wstring editTime;
  HFONT titleFont = nullptr;        // the record's title font
  HFONT simpleTitleFont = nullptr;  // the same at height 13 (at 96 DPI), for the simple view's band
  COLORREF titleColor = 0;
  HFONT editTimeFont = nullptr;
  COLORREF editTimeColor = 0;
};

void PaintMemo(HDC dc, const MemoPicture& picture);

// The memo tip's border around its view: "ColMemoTipArround", a raised frame at the edge and a
// sunken one around the view, both from the memo's background colour × 1.2 and × 0.7.
// `border` is 5 pixels at 96 DPI.
constexpr int kMemoTipBorder = 5;
void PaintMemoTipBorder(HDC dc, Size client, int border, Colorref around, Colorref back);

// The title font as a GDI font, at its own height or at `height` (pixels at 96 DPI), for `dpi`.
Font MakeTitleFont(const TitleFont& font, int dpi, std::optional<int> height = std::nullopt);

}  // namespace quillet::win
