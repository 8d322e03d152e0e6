#pragma once

#include <optional>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "geometry/Rect.h"

namespace quillet::win {

// "화면 캡쳐": the primary screen frozen the moment the object is made, shown over the whole
// screen, where the user drags the part to keep. The part goes to the clipboard as a bitmap and
// is kept here for the memo. The frame, a `MemoRequests`, hears when it ends.
class CaptureWindow final : public Dialog {
 public:
  // Nothing when the screen could not be frozen or the window made.
  static WindowPtr<CaptureWindow> Make(HWND frame);
  ~CaptureWindow() override;

  // After a capture: the picture of the dragged part and where its memo goes.
  HBITMAP picture() const { return picture_.Get(); }
  const Rect& memoRect() const { return memoRect_; }

 private:
  explicit CaptureWindow(HWND frame);

  bool Freeze();
  bool OnInit() override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void OnOK() override { Finish(false); }
  void OnCancel() override { Finish(false); }

  void PaintCaption(HDC dc) const;
  void DrawOutline() const;  // drawing it twice takes it away
  bool TakeRegion();
  void Finish(bool captured);

  HWND frame_;
  int width_ = 0;
  int height_ = 0;
  Bitmap frozenBitmap_;  // before its context: deleted after it
  OwnedDc frozen_;
  HGDIOBJ frozenPrevious_ = nullptr;
  Bitmap picture_;
  Rect memoRect_{};
  bool dragging_ = false;
  bool finished_ = false;
  POINT start_{};
  POINT current_{};
  bool red_ = true;
};

}  // namespace quillet::win
