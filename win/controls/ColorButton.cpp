#include "controls/ColorButton.h"

#include "framework/Gdi.h"

namespace quillet::win {

void ColorButton::SetColor(COLORREF color) {
  color_ = color;
  Redraw();
}

LRESULT ColorButton::OnMessage(const Message& message) {
  if (message.id == kReflectedCommand && HIWORD(message.wParam) == BN_CLICKED) {
    Choose();
    return TRUE;
  }
  return OwnerDrawnButton::OnMessage(message);
}

void ColorButton::Choose() {
  const std::optional<COLORREF> chosen = ChooseColorFrom(GetAncestor(hwnd(), GA_ROOT), color_, custom_);
  if (!chosen || !hwnd()) return;  // cancelled, or the button went meanwhile
  SetColor(*chosen);
  SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), kColorChosen),
               reinterpret_cast<LPARAM>(hwnd()));
}

void ColorButton::Draw(const DRAWITEMSTRUCT& item) const {
  RECT area = item.rcItem;
  FillBackground(item.hDC, area);
  DrawEdge(item.hDC, &area, (item.itemState & ODS_SELECTED) ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = area;
    InflateRect(&focus, -1, -1);
    DrawFocusRect(item.hDC, &focus);
  }
  RECT swatch = area;
  InflateRect(&swatch, -3, -3);
  Brush fill(CreateSolidBrush(color_));
  FillRect(item.hDC, &swatch, fill.Get());
  FrameRect(item.hDC, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
}

}  // namespace quillet::win
