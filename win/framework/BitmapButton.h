#pragma once

#include "framework/Gdi.h"
#include "framework/OwnerDrawnButton.h"
#include "framework/Pictures.h"
#include "geometry/Dpi.h"

namespace quillet::win {

// A small push or toggle button showing a picture whose magenta pixels let the background
// through. It lights up under the mouse and looks pressed in while checked, which BM_GETCHECK
// tells.
class BitmapButton final : public OwnerDrawnButton {
 public:
  // The bitmap resource `id` of the program as drawn for `dpi`, or a picture made elsewhere;
  // the button owns it.
  bool LoadPicture(int id, int dpi = kBaseDpi);
  void SetPicture(Bitmap picture);
  // The button becomes exactly as large as its picture.
  void FitToPicture();
  void SetChecked(bool checked);
  bool checked() const { return checked_; }

 private:
  LRESULT OnMessage(const Message& message) override;
  void Draw(const DRAWITEMSTRUCT& item) const override;

  Bitmap picture_;
  SIZE pictureSize_{};
  bool checked_ = false;
  bool hot_ = false;
};

}  // namespace quillet::win
