#include "framework/PictureButtons.h"

#include <commctrl.h>

#include "framework/Gdi.h"
#include "framework/Pictures.h"
#include "framework/ToolTips.h"
#include "platform/Wide.h"

namespace quillet::win {

PictureButtons::~PictureButtons() {
  if (tips_) DestroyWindow(tips_);
}

void PictureButtons::Add(int id, int picture, std::string tip) {
  buttons_.push_back(Button{id, picture, nullptr, {}, {}, false, false, std::move(tip)});
  TakePicture(buttons_.back());
}

void PictureButtons::TakePicture(Button& button) const {
  button.picture = ProgramPictureAt(button.pictureId, dpi_);
  const SIZE base = PictureSize(ProgramPicture(button.pictureId));
  button.size = SIZE{AtDpi(base.cx, dpi_), AtDpi(base.cy, dpi_)};
}

void PictureButtons::SetDpi(HWND host, int dpi) {
  if (dpi == dpi_) return;
  for (std::size_t i = 0; i < buttons_.size(); ++i) Invalidate(host, static_cast<int>(i));
  dpi_ = dpi;
  for (Button& button : buttons_) TakePicture(button);
}

int PictureButtons::IndexOf(int id) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

int PictureButtons::IndexAt(POINT point) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const RECT area = buttons_[i].Area();
    if (buttons_[i].visible && PtInRect(&area, point)) return static_cast<int>(i);
  }
  return -1;
}

bool PictureButtons::Covers(POINT point) const { return IndexAt(point) >= 0; }

void PictureButtons::Invalidate(HWND host, int index) const {
  if (index < 0) return;
  const RECT area = buttons_[static_cast<std::size_t>(index)].Area();
  InvalidateRect(host, &area, FALSE);
}

void PictureButtons::Place(HWND host, int id, int x, int y) {
  const int index = IndexOf(id);
  if (index < 0) return;
  Invalidate(host, index);
  buttons_[static_cast<std::size_t>(index)].at = POINT{x, y};
  Invalidate(host, index);
  UpdateTip(host, index);
}

void PictureButtons::Show(HWND host, int id, bool show) {
  const int index = IndexOf(id);
  if (index < 0 || buttons_[static_cast<std::size_t>(index)].visible == show) return;
  buttons_[static_cast<std::size_t>(index)].visible = show;
  Invalidate(host, index);
  UpdateTip(host, index);
}

void PictureButtons::SetChecked(HWND host, int id, bool checked) {
  const int index = IndexOf(id);
  if (index < 0) return;
  buttons_[static_cast<std::size_t>(index)].checked = checked;
  Invalidate(host, index);
}

void PictureButtons::Paint(HDC dc) const {
  Brush background(CreateSolidBrush(background_));
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const Button& button = buttons_[i];
    if (!button.visible) continue;
    RECT area = button.Area();
    FillRect(dc, &area, background.Get());
    const bool pushed = button.checked || (static_cast<int>(i) == pressed_ && static_cast<int>(i) == hot_);
    if (pushed) {
      DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    } else if (static_cast<int>(i) == hot_) {
      DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = pushed ? 1 : 0;
    const SIZE picture = PictureSize(button.picture);
    DrawKeyedPicture(dc, button.picture, button.at.x + (button.size.cx - picture.cx) / 2 + shift,
                     button.at.y + (button.size.cy - picture.cy) / 2 + shift);
  }
}

// Tools are the buttons' rectangles; a hidden button's is empty.
void PictureButtons::UpdateTip(HWND host, int index) const {
  const Button& button = buttons_[static_cast<std::size_t>(index)];
  if (!tips_ || button.tip.empty()) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = host;
  tool.uId = static_cast<UINT_PTR>(button.id);
  tool.rect = button.visible ? button.Area() : RECT{};
  SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PictureButtons::Relay(HWND host, const Message& message) {
  if (!tips_) {
    tips_ = CreateToolTipWindow();
    if (!tips_) return;
    for (const Button& button : buttons_) {
      if (button.tip.empty()) continue;
      std::wstring text = WidenCp949(button.tip);
      TTTOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = host;
      tool.uId = static_cast<UINT_PTR>(button.id);
      tool.rect = button.visible ? button.Area() : RECT{};
      tool.lpszText = text.data();
      SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  MSG relayed{host, message.id, message.wParam, message.lParam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&relayed.pt);
  SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

bool PictureButtons::OnMouse(HWND host, const Message& message, int& clicked) {
  clicked = 0;
  const POINT point{message.X(), message.Y()};
  switch (message.id) {
    case WM_MOUSEMOVE: {
      Relay(host, message);
      const int index = IndexAt(point);
      if (index != hot_) {
        Invalidate(host, hot_);
        hot_ = index;
        Invalidate(host, hot_);
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, host, 0};
        TrackMouseEvent(&leave);
      }
      return index >= 0 || pressed_ >= 0;
    }
    case WM_MOUSELEAVE:
      Invalidate(host, hot_);
      hot_ = -1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      Relay(host, message);
      pressed_ = IndexAt(point);
      if (pressed_ < 0) return false;
      hot_ = pressed_;
      SetCapture(host);
      Invalidate(host, pressed_);
      return true;
    }
    case WM_LBUTTONUP: {
      Relay(host, message);
      if (pressed_ < 0) return false;
      const int pressed = pressed_;
      pressed_ = -1;
      ReleaseCapture();
      Invalidate(host, pressed);
      if (IndexAt(point) == pressed) clicked = buttons_[static_cast<std::size_t>(pressed)].id;
      return true;
    }
    case WM_CAPTURECHANGED:
      Invalidate(host, pressed_);
      pressed_ = -1;
      return false;
    default:
      return false;
  }
}

}  // namespace quillet::win
