#pragma once

#include "controls/ColorChoice.h"
#include "framework/OwnerDrawnButton.h"

namespace quillet::win {

// A button showing a swatch of its colour. A click opens the colour dialog; the colour chosen
// there, the same one included, becomes the button's and is announced to the parent by a
// WM_COMMAND with the notification kColorChosen.
class ColorButton final : public OwnerDrawnButton {
 public:
  static constexpr WORD kColorChosen = 0x0F00;

  void SetColor(COLORREF color);
  COLORREF color() const { return color_; }

 private:
  LRESULT OnMessage(const Message& message) override;
  void Draw(const DRAWITEMSTRUCT& item) const override;
  void Choose();

  COLORREF color_ = 0;
  CustomColors custom_{};
};

}  // namespace quillet::win
