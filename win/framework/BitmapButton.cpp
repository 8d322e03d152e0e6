#include "framework/BitmapButton.h"

namespace quillet::win {

bool BitmapButton::Create(HWND parent, int id, const RECT& place) {
  return Control::Create(L"BUTTON", WS_VISIBLE | BS_OWNERDRAW, 0, place, parent, id);
}

bool BitmapButton::Take(HWND button) {
  if (!Attach(button)) return false;
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  SetWindowLongPtrW(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  return true;
}

bool BitmapButton::LoadPicture(int id) {
  Bitmap picture(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!picture) return false;
  SetPicture(std::move(picture));
  return true;
}

void BitmapButton::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  BITMAP info{};
  pictureSize_ = picture_ && GetObjectW(picture_.Get(), sizeof info, &info) ? SIZE{info.bmWidth, info.bmHeight}
                                                                             : SIZE{};
  Redraw();
}

void BitmapButton::FitToPicture() {
  SetWindowPos(hwnd(), nullptr, 0, 0, pictureSize_.cx, pictureSize_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BitmapButton::SetBackground(COLORREF color) {
  background_ = color;
  Redraw();
}

void BitmapButton::SetChecked(bool checked) {
  checked_ = checked;
  Redraw();
}

void BitmapButton::Redraw() const {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT BitmapButton::OnMessage(const Message& message) {
  switch (message.id) {
    case kReflectedDrawItem:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam));
      return TRUE;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&leave);
        Redraw();
      }
      return Default(message);
    case WM_MOUSELEAVE:
      hot_ = false;
      Redraw();
      return Default(message);
    case WM_ERASEBKGND:
      return TRUE;  // Draw covers every pixel
    default:
      return Default(message);
  }
}

void BitmapButton::Draw(const DRAWITEMSTRUCT& item) const {
  RECT area = item.rcItem;
  Brush background(CreateSolidBrush(background_));
  FillRect(item.hDC, &area, background.Get());
  const bool pushed = (item.itemState & ODS_SELECTED) || checked_;
  if (pushed) {
    DrawEdge(item.hDC, &area, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_) {
    DrawEdge(item.hDC, &area, BDR_RAISEDINNER, BF_RECT);
  }
  if (!picture_) return;
  const int shift = pushed ? 1 : 0;
  const int x = area.left + (area.right - area.left - pictureSize_.cx) / 2 + shift;
  const int y = area.top + (area.bottom - area.top - pictureSize_.cy) / 2 + shift;
  OwnedDc source(CreateCompatibleDC(item.hDC));
  Selection picture(source.Get(), picture_.Get());
  TransparentBlt(item.hDC, x, y, pictureSize_.cx, pictureSize_.cy, source.Get(), 0, 0, pictureSize_.cx,
                 pictureSize_.cy, kPictureTransparent);
}

}  // namespace quillet::win
