#pragma once

#include "framework/Dialog.h"
#include "framework/PictureButtons.h"
#include "memo/MemoColors.h"

namespace quillet::win {

// What the strip's buttons ask of their memo window.
class TitleStripOwner {
 public:
  // A strip button was pressed (IDC_STRIP_*); the memo menu button gives its bottom-right corner
  // in screen coordinates.
  virtual void OnStripButton(int id, POINT menuCorner) = 0;

 protected:
  ~TitleStripOwner() = default;
};

// The strip along a memo's top (17 pixels at 96 DPI): seven small picture buttons with tooltips, painted flat
// in the title colour ("SkinType" on) or as a gradient of the memo's colour. Elsewhere than on a
// button the mouse goes through to the memo, which it drags.
class TitleStrip final : public Dialog {
 public:
  explicit TitleStrip(TitleStripOwner& owner);

  bool Create(HWND memoWindow);
  void SetColors(const MemoColors& colors, bool skinType);
  void SetPinned(bool pinned);
  void ShowButtons(bool show);
  // The memo window's DPI: the buttons and their places scale with it.
  void SetDpi(int dpi);

 private:
  bool OnInit() override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void OnOK() override {}
  void OnCancel() override {}
  void PlaceButtons(int width);
  void Paint(HDC dc) const;
  void Clicked(int id);

  TitleStripOwner& owner_;
  PictureButtons buttons_;
  MemoColors colors_;
  bool skinType_ = false;
  int dpi_ = kBaseDpi;
};

}  // namespace quillet::win
