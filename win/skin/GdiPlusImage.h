#pragma once

#include <memory>

#include "ports/Canvas.h"

namespace Gdiplus {
class Bitmap;
}

namespace quillet::win {

// A skin picture: a 32-bit ARGB GDI+ bitmap that owns its pixels.
class GdiPlusImage final : public SkinImage {
 public:
  // `bitmap` must have pixels; CopyOf makes sure of that.
  explicit GdiPlusImage(std::unique_ptr<Gdiplus::Bitmap> bitmap);
  ~GdiPlusImage() override;
  GdiPlusImage(const GdiPlusImage&) = delete;
  GdiPlusImage& operator=(const GdiPlusImage&) = delete;

  // A copy of every pixel of `source`, detached from whatever stream or memory `source` still
  // reads from; nothing when `source` is not a valid picture or has no pixels.
  static std::unique_ptr<GdiPlusImage> CopyOf(Gdiplus::Bitmap& source);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  Gdiplus::Bitmap& Bitmap() const { return *bitmap_; }

 private:
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace quillet::win
