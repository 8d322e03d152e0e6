#include "framework/BitmapButton.h"

namespace quillet::win {

bool BitmapButton::LoadPicture(int id, int dpi) {
  const auto load = [](int resource) {
    return Bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP,
                                                  0, 0, LR_CREATEDIBSECTION)));
  };
  Bitmap picture = load(PictureIdAt(id, dpi));
  if (!picture) picture = load(id);
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

void BitmapButton::SetChecked(bool checked) {
  checked_ = checked;
  Redraw();
}

LRESULT BitmapButton::OnMessage(const Message& message) {
  switch (message.id) {
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
    case BM_GETCHECK:  // an owner-drawn button knows no state of its own
      return checked_ ? BST_CHECKED : BST_UNCHECKED;
    default:
      return OwnerDrawnButton::OnMessage(message);
  }
}

void BitmapButton::Draw(const DRAWITEMSTRUCT& item) const {
  RECT area = item.rcItem;
  FillBackground(item.hDC, area);
  const bool pushed = (item.itemState & ODS_SELECTED) || checked_;
  if (pushed) {
    DrawEdge(item.hDC, &area, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_) {
    DrawEdge(item.hDC, &area, BDR_RAISEDINNER, BF_RECT);
  }
  const int shift = pushed ? 1 : 0;
  DrawKeyedPicture(item.hDC, picture_.Get(), area.left + (area.right - area.left - pictureSize_.cx) / 2 + shift,
                   area.top + (area.bottom - area.top - pictureSize_.cy) / 2 + shift);
}

}  // namespace quillet::win
