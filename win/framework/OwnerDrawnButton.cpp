#include "framework/OwnerDrawnButton.h"

#include "framework/Gdi.h"

namespace quillet::win {

bool OwnerDrawnButton::Create(HWND parent, int id, const RECT& place) {
  return Control::Create(L"BUTTON", WS_VISIBLE | BS_OWNERDRAW, 0, place, parent, id);
}

bool OwnerDrawnButton::Take(HWND button) {
  if (!Attach(button)) return false;
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  SetWindowLongPtrW(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  return true;
}

void OwnerDrawnButton::SetBackground(COLORREF color) {
  background_ = color;
  Redraw();
}

void OwnerDrawnButton::Redraw() const {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void OwnerDrawnButton::FillBackground(HDC dc, const RECT& area) const {
  Brush background(CreateSolidBrush(background_));
  FillRect(dc, &area, background.Get());
}

LRESULT OwnerDrawnButton::OnMessage(const Message& message) {
  switch (message.id) {
    case kReflectedDrawItem:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam));
      return TRUE;
    case WM_ERASEBKGND:
      return TRUE;  // Draw covers every pixel
    default:
      return Default(message);
  }
}

}  // namespace quillet::win
