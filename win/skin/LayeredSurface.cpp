#include "skin/LayeredSurface.h"

#include "framework/Gdi.h"
#include "framework/GdiPlusApi.h"

namespace quillet::win {

LayeredSurface::LayeredSurface(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) return;
  const BITMAPINFO info = TopDownBitmapInfo(width, height, 32);
  void* bits = nullptr;
  dib_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib_ || !bits) return;
  dc_.Reset(CreateCompatibleDC(nullptr));
  if (!dc_) return;
  previous_ = SelectObject(dc_.Get(), dib_.Get());
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, width * 4, PixelFormat32bppPARGB,
                                                  static_cast<BYTE*>(bits));
  if (bitmap->GetLastStatus() == Gdiplus::Ok) bitmap_ = std::move(bitmap);
}

LayeredSurface::~LayeredSurface() {
  bitmap_.reset();
  if (dc_) SelectObject(dc_.Get(), previous_);
}

void LayeredSurface::FillScaled(Gdiplus::Bitmap& picture) {
  if (!Valid()) return;
  Gdiplus::Graphics graphics(bitmap_.get());
  graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
  // Samples beyond the picture's edges mirror it, so the border keeps its own alpha.
  Gdiplus::ImageAttributes edges;
  edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  graphics.DrawImage(&picture, Gdiplus::Rect(0, 0, width_, height_), 0, 0,
                     static_cast<INT>(picture.GetWidth()), static_cast<INT>(picture.GetHeight()), Gdiplus::UnitPixel,
                     &edges);
}

bool LayeredSurface::Present(HWND hwnd, POINT topLeft, BYTE alpha) {
  if (!Valid()) return false;
  GdiFlush();  // GDI+ wrote straight into the section's memory
  SIZE size{width_, height_};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  const WindowDc screen(nullptr);
  return UpdateLayeredWindow(hwnd, screen.Get(), &topLeft, &size, dc_.Get(), &source, 0, &blend, ULW_ALPHA) != FALSE;
}

}  // namespace quillet::win
