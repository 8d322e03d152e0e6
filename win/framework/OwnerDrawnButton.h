#pragma once

#include "framework/Control.h"

namespace quillet::win {

// A button that draws itself (owner-drawn, through the reflection of WM_DRAWITEM) on a
// background of its owner's choosing.
class OwnerDrawnButton : public Control {
 public:
  // A new button, or one from a dialog template (made owner-drawn if it was not).
  bool Create(HWND parent, int id, const RECT& place);
  bool Take(HWND button);

  void SetBackground(COLORREF color);

 protected:
  LRESULT OnMessage(const Message& message) override;
  // Paints every pixel of the item's rectangle.
  virtual void Draw(const DRAWITEMSTRUCT& item) const = 0;
  void Redraw() const;
  void FillBackground(HDC dc, const RECT& area) const;

 private:
  COLORREF background_ = GetSysColor(COLOR_BTNFACE);
};

}  // namespace quillet::win
