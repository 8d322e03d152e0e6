#pragma once

#include "framework/Control.h"
#include "framework/Gdi.h"

namespace quillet::win {

// The colour that is see-through in button pictures.
constexpr COLORREF kPictureTransparent = RGB(255, 0, 255);

// A small push or toggle button showing a picture on a background of its owner's choosing; the
// picture's magenta pixels let the background through. It draws itself (owner-drawn, through
// the reflection of WM_DRAWITEM), lights up under the mouse and looks pressed in while checked.
class BitmapButton final : public Control {
 public:
  // A new button, or one from a dialog template (made owner-drawn if it was not).
  bool Create(HWND parent, int id, const RECT& place);
  bool Take(HWND button);

  // The bitmap resource `id` of the program, or a picture made elsewhere; the button owns it.
  bool LoadPicture(int id);
  void SetPicture(Bitmap picture);
  // The button becomes exactly as large as its picture.
  void FitToPicture();
  void SetBackground(COLORREF color);
  void SetChecked(bool checked);
  bool checked() const { return checked_; }

 private:
  LRESULT OnMessage(const Message& message) override;
  void Draw(const DRAWITEMSTRUCT& item) const;
  void Redraw() const;

  Bitmap picture_;
  SIZE pictureSize_{};
  COLORREF background_ = GetSysColor(COLOR_BTNFACE);
  bool checked_ = false;
  bool hot_ = false;
};

}  // namespace quillet::win
