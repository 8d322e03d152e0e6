#include "memo/MemoPainting.h"

#include "memo/MemoLayout.h"
#include "platform/Wide.h"

namespace quillet::win {

namespace {

void Fill(HDC dc, const RECT& area, Colorref color) {
  Brush brush(CreateSolidBrush(color));
  FillRect(dc, &area, brush.Get());
}

// Top and left lines in one colour, bottom and right in another, around (left, top) to the
// client's bottom right.
void Frame3d(HDC dc, const RECT& r, Colorref topLeft, Colorref bottomRight) {
  Fill(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

// The two resize grips at the bottom corners: single pixels at 96 DPI, scaled squares above.
void PaintGrips(HDC dc, int r, int b, const MemoMeasures& m, Colorref color) {
  static constexpr POINT kLeft[] = {{2, -7}, {2, -6}, {2, -5}, {2, -4}, {3, -6},
                                    {3, -5}, {3, -4}, {4, -5}, {4, -4}, {5, -4}};
  static constexpr POINT kRight[] = {{-7, -4}, {-6, -5}, {-6, -4}, {-5, -6}, {-5, -5},
                                     {-5, -4}, {-4, -7}, {-4, -6}, {-4, -5}, {-4, -4}};
  // One pixel of the 96-DPI pattern, offset from a corner of the client area.
  const auto dot = [&](int cornerX, const POINT& p) {
    const RECT square{cornerX + m.Scaled(p.x), b + m.Scaled(p.y), cornerX + m.Scaled(p.x + 1), b + m.Scaled(p.y + 1)};
    if (square.right - square.left == 1 && square.bottom - square.top == 1) {
      SetPixelV(dc, square.left, square.top, color);
    } else {
      Fill(dc, square, color);
    }
  };
  for (const POINT& p : kLeft) dot(0, p);
  for (const POINT& p : kRight) dot(r, p);
}

SIZE TextSize(HDC dc, HFONT font, const std::wstring& text) {
  Selection selected(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// The simple view's band: the title, and the edit time at the right when it fits.
void PaintTitleAndTime(HDC dc, const MemoPicture& p) {
  const int width = p.client.width;
  const int margin = p.measures.Scaled(5);
  const int strip = p.measures.titleStrip;
  const std::wstring title = p.title.empty() ? L" " : p.title;
  SetBkMode(dc, TRANSPARENT);
  RECT titleArea{margin, 0, width - margin, strip};
  {
    Selection font(dc, p.simpleTitleFont);
    SetTextColor(dc, p.titleColor);
    DrawTextW(dc, title.c_str(), -1, &titleArea, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
  }
  const int timeLeft = margin + TextSize(dc, p.simpleTitleFont, title).cx + margin;
  RECT timeArea{timeLeft, 0, width - margin, strip};
  if (TextSize(dc, p.editTimeFont, p.editTime).cx > timeArea.right - timeArea.left) return;
  Selection font(dc, p.editTimeFont);
  SetTextColor(dc, p.editTimeColor);
  DrawTextW(dc, p.editTime.c_str(), -1, &timeArea, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintExpanded(HDC dc, const MemoPicture& p) {
  const int r = p.client.width;
  const int b = p.client.height;
  const Colorref title = p.colors.title;
  const MemoMeasures& m = p.measures;
  const int bandTop = p.simple ? 0 : m.titleStrip;
  const int bandBottom = m.editorTop;
  Fill(dc, RECT{0, bandTop, r, bandBottom}, title);
  Fill(dc, RECT{0, bandBottom, m.frame, b}, title);
  Fill(dc, RECT{r - m.frame, bandBottom, r, b}, title);
  Fill(dc, RECT{0, b - m.frame, r, b}, title);
  if (!p.simple) PaintGrips(dc, r, b, m, ScaleColor(p.colors.base, 0.8));
  const Colorref light = p.skinType ? ScaleColor(title, 1.2) : ScaleColor(p.colors.base, 1.5);
  Frame3d(dc, RECT{0, bandTop, r, b}, light, ScaleColor(title, 0.7));
  if (p.simple && p.viewEditTime) PaintTitleAndTime(dc, p);
}

void PaintFolded(HDC dc, const MemoPicture& p) {
  const int w = p.client.width;
  const int h = p.client.height;
  const Colorref light = ScaleColor(p.colors.base, 1.25);
  const Colorref dark = ScaleColor(p.colors.base, 0.9);
  const int buttons = p.measures.foldedButtons;
  if (!p.title.empty()) {
    Fill(dc, RECT{0, 0, w, h}, light);
    const int margin = p.measures.Scaled(5);
    RECT area{margin, 0, w - (p.simple ? margin : margin + buttons), h};
    Selection font(dc, p.titleFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, p.titleColor);
    DrawTextW(dc, p.title.c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (!p.simple) {
    Fill(dc, RECT{w - buttons, 0, w, h}, p.colors.base);
    Fill(dc, RECT{w - (buttons - 1), 0, w - (buttons - 2), h}, dark);
  }
  Fill(dc, RECT{0, 0, w, 1}, light);
  Fill(dc, RECT{0, 0, 1, h}, light);
  Fill(dc, RECT{0, h - 1, w, h}, dark);
  Fill(dc, RECT{w - 1, 0, w, h}, dark);
}

}  // namespace

void PaintMemo(HDC dc, const MemoPicture& picture) {
  if (picture.expanded) {
    PaintExpanded(dc, picture);
  } else {
    PaintFolded(dc, picture);
  }
}

void PaintMemoTipBorder(HDC dc, Size client, int border, Colorref around, Colorref back) {
  const int w = client.width;
  const int h = client.height;
  const int b = border;
  Fill(dc, RECT{0, 0, w, b}, around);
  Fill(dc, RECT{0, h - b, w, h}, around);
  Fill(dc, RECT{0, b, b, h - b}, around);
  Fill(dc, RECT{w - b, b, w, h - b}, around);
  const Colorref light = ScaleColor(back, 1.2);
  const Colorref dark = ScaleColor(back, 0.7);
  Frame3d(dc, RECT{0, 0, w, h}, light, dark);
  Frame3d(dc, RECT{b - 1, b - 1, w - b + 1, h - b + 1}, dark, light);
}

Font MakeTitleFont(const TitleFont& font, int dpi, std::optional<int> height) {
  LOGFONTW logFont{};
  logFont.lfHeight = AtDpi(height.value_or(font.height), dpi);
  logFont.lfWeight = font.weight;
  logFont.lfItalic = font.italic ? TRUE : FALSE;
  logFont.lfUnderline = font.underline ? TRUE : FALSE;
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfOutPrecision = OUT_CHARACTER_PRECIS;
  logFont.lfClipPrecision = CLIP_CHARACTER_PRECIS;
  const std::wstring face = WidenCp949(font.face);
  lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&logFont));
}

}  // namespace quillet::win
