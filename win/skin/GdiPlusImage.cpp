#include "skin/GdiPlusImage.h"

#include <climits>
#include <cstring>

#include "framework/GdiPlusApi.h"

namespace quillet::win {

GdiPlusImage::GdiPlusImage(std::unique_ptr<Gdiplus::Bitmap> bitmap) : bitmap_(std::move(bitmap)) {
  width_ = static_cast<int>(bitmap_->GetWidth());
  height_ = static_cast<int>(bitmap_->GetHeight());
}

GdiPlusImage::~GdiPlusImage() = default;

std::unique_ptr<GdiPlusImage> GdiPlusImage::CopyOf(Gdiplus::Bitmap& source) {
  if (source.GetLastStatus() != Gdiplus::Ok) return nullptr;
  const UINT width = source.GetWidth();
  const UINT height = source.GetHeight();
  if (width == 0 || height == 0 || width > INT_MAX / 4 || height > INT_MAX) return nullptr;
  const Gdiplus::Rect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));

  auto copy = std::make_unique<Gdiplus::Bitmap>(all.Width, all.Height, PixelFormat32bppARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::BitmapData from{};
  if (source.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &from) != Gdiplus::Ok) {
    return nullptr;
  }
  Gdiplus::BitmapData to{};
  const bool locked = copy->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &to) == Gdiplus::Ok;
  if (locked) {
    // Row by row: the two strides need not agree, and either may be negative (bottom-up).
    const std::size_t rowBytes = std::size_t{width} * 4;
    for (UINT y = 0; y < height; ++y) {
      const auto* in = static_cast<const unsigned char*>(from.Scan0) + static_cast<std::ptrdiff_t>(y) * from.Stride;
      auto* out = static_cast<unsigned char*>(to.Scan0) + static_cast<std::ptrdiff_t>(y) * to.Stride;
      std::memcpy(out, in, rowBytes);
    }
    copy->UnlockBits(&to);
  }
  source.UnlockBits(&from);
  if (!locked) return nullptr;
  return std::make_unique<GdiPlusImage>(std::move(copy));
}

}  // namespace quillet::win
