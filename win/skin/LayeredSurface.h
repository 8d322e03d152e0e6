#pragma once

#include <memory>

#include "framework/Gdi.h"
#include "platform/WinApi.h"

namespace Gdiplus {
class Bitmap;
}

namespace quillet::win {

// The pixels of a per-pixel-alpha window: a top-down 32-bit DIB section, premultiplied, that a
// GDI+ bitmap draws into directly and UpdateLayeredWindow reads from its memory DC. Made once
// per skin load, so a redraw creates no GDI object.
class LayeredSurface {
 public:
  // Check Valid(): GDI may refuse a bitmap of that size.
  LayeredSurface(int width, int height);
  ~LayeredSurface();
  LayeredSurface(const LayeredSurface&) = delete;
  LayeredSurface& operator=(const LayeredSurface&) = delete;

  bool Valid() const { return bitmap_ != nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  Gdiplus::Bitmap& bitmap() { return *bitmap_; }

  // The surface becomes `picture` (premultiplied) stretched to its size, smoothly: a skin drawn
  // at 96 DPI shown on a screen of more.
  void FillScaled(Gdiplus::Bitmap& picture);
  // The window shows these pixels at `topLeft`, every one times `alpha` / 255.
  bool Present(HWND hwnd, POINT topLeft, BYTE alpha);

 private:
  int width_;
  int height_;
  Bitmap dib_;  // before its context: deleted after it
  OwnedDc dc_;
  HGDIOBJ previous_ = nullptr;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

}  // namespace quillet::win
