#include "skin/GdiPlusCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/Gdi.h"
#include "framework/GdiPlusApi.h"
#include "platform/Wide.h"
#include "skin/GdiPlusImage.h"
#include "skin/PixelBlend.h"
#include "skin/SkinFonts.h"
#include "skin/TextPictures.h"

namespace quillet::win {

namespace {

int DesktopDpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : 96;
}

// Every drawing leaves the graphics as it found them: clip, transform and modes.
class SavedState {
 public:
  explicit SavedState(Gdiplus::Graphics& graphics) : graphics_(graphics), state_(graphics.Save()) {}
  ~SavedState() { graphics_.Restore(state_); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  Gdiplus::Graphics& graphics_;
  Gdiplus::GraphicsState state_;
};

Gdiplus::Bitmap* PictureOf(const SkinImage& image) {
  const auto* picture = dynamic_cast<const GdiPlusImage*>(&image);
  return picture ? &picture->Bitmap() : nullptr;
}

bool FindPngEncoder(CLSID& clsid) {
  UINT count = 0;
  UINT bytes = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || count == 0 || bytes == 0) return false;
  std::vector<unsigned char> buffer(bytes);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType && lstrcmpiW(encoders[i].MimeType, L"image/png") == 0) {
      clsid = encoders[i].Clsid;
      return true;
    }
  }
  return false;
}

// Wider and taller than any text a skin draws.
constexpr float kUnbounded = 100000.0f;

std::optional<AlphaForm> AlphaFormOf(const Gdiplus::Bitmap& bitmap) {
  switch (const_cast<Gdiplus::Bitmap&>(bitmap).GetPixelFormat()) {
    case PixelFormat32bppARGB: return AlphaForm::Straight;
    case PixelFormat32bppPARGB: return AlphaForm::Premultiplied;
    default: return std::nullopt;
  }
}

// Locks a rectangle of a bitmap in its own 32-bit format for as long as it lives.
class LockedPixels {
 public:
  LockedPixels(Gdiplus::Bitmap& bitmap, const Gdiplus::Rect& rect, UINT mode, AlphaForm form) : bitmap_(bitmap) {
    Gdiplus::Rect area = rect;
    const Gdiplus::PixelFormat format =
        form == AlphaForm::Straight ? PixelFormat32bppARGB : PixelFormat32bppPARGB;
    locked_ = bitmap.LockBits(&area, mode, format, &data_) == Gdiplus::Ok;
  }
  ~LockedPixels() {
    if (locked_) bitmap_.UnlockBits(&data_);
  }
  LockedPixels(const LockedPixels&) = delete;
  LockedPixels& operator=(const LockedPixels&) = delete;

  bool Locked() const { return locked_; }
  std::uint32_t* Row(int y) {
    return reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(data_.Scan0) + static_cast<std::ptrdiff_t>(y) * data_.Stride);
  }

 private:
  Gdiplus::Bitmap& bitmap_;
  Gdiplus::BitmapData data_{};
  bool locked_ = false;
};

Gdiplus::StringAlignment AlignmentOf(TextAlign align) {
  switch (align) {
    case TextAlign::Center: return Gdiplus::StringAlignmentCenter;
    case TextAlign::Far: return Gdiplus::StringAlignmentFar;
    case TextAlign::Near: break;
  }
  return Gdiplus::StringAlignmentNear;
}

}  // namespace

GdiPlusCanvas::GdiPlusCanvas(int width, int height) {
  if (width <= 0 || height <= 0) return;
  owned_ = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
  if (owned_->GetLastStatus() != Gdiplus::Ok) return;
  const int dpi = DesktopDpi();
  // As GDI+ on Windows gives new bitmaps: text sizes in points then come out in the same pixels.
  const auto resolution = static_cast<Gdiplus::REAL>(dpi);
  owned_->SetResolution(resolution, resolution);
  surface_ = owned_.get();
  Start(dpi);
  Clear();
}

GdiPlusCanvas::GdiPlusCanvas(Gdiplus::Bitmap& target) : surface_(&target) { Start(DesktopDpi()); }

GdiPlusCanvas::~GdiPlusCanvas() = default;

void GdiPlusCanvas::Start(int desktopDpi) {
  if (surface_->GetLastStatus() != Gdiplus::Ok) return;
  width_ = static_cast<int>(surface_->GetWidth());
  height_ = static_cast<int>(surface_->GetHeight());
  auto graphics = std::make_unique<Gdiplus::Graphics>(surface_);
  if (graphics->GetLastStatus() != Gdiplus::Ok) return;
  graphics_ = std::move(graphics);
  brush_ = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(0));
  pen_ = std::make_unique<Gdiplus::Pen>(Gdiplus::Color(0), 1.0f);
  clampEdges_ = std::make_unique<Gdiplus::ImageAttributes>();
  // Scaling samples beyond the source's edges; mirroring keeps them the edge's own colour.
  clampEdges_->SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  fonts_ = std::make_unique<SkinFonts>(desktopDpi);
  textPictures_ = std::make_unique<TextPictures>();
}

void GdiPlusCanvas::Clear() {
  if (graphics_) graphics_->Clear(Gdiplus::Color(0, 0, 0, 0));
}

void GdiPlusCanvas::DrawBackground(const SkinImage* background) {
  if (!graphics_) return;
  Gdiplus::Bitmap* picture = background ? PictureOf(*background) : nullptr;
  if (!picture || background->Width() < width_ || background->Height() < height_) Clear();
  if (!picture) return;
  const SkinImage& image = *background;
  SavedState saved(*graphics_);
  graphics_->SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  graphics_->SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics_->DrawImage(picture, Gdiplus::Rect(0, 0, image.Width(), image.Height()), 0, 0, image.Width(),
                       image.Height(), Gdiplus::UnitPixel);
}

Gdiplus::Bitmap* GdiPlusCanvas::Surface() {
  if (!graphics_) return nullptr;
  graphics_->Flush(Gdiplus::FlushIntentionSync);
  return surface_;
}

bool GdiPlusCanvas::SavePng(const std::string& path) {
  CLSID png{};
  Gdiplus::Bitmap* surface = Surface();
  if (!surface || !FindPngEncoder(png)) return false;
  return surface->Save(WidenCp949(path).c_str(), &png, nullptr) == Gdiplus::Ok;
}

std::optional<std::string> GdiPlusCanvas::EncodePng() {
  CLSID png{};
  Gdiplus::Bitmap* surface = Surface();
  if (!surface || !FindPngEncoder(png)) return std::nullopt;
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return std::nullopt;
  std::optional<std::string> bytes;
  STATSTG status{};
  HGLOBAL memory = nullptr;
  if (surface->Save(stream, &png, nullptr) == Gdiplus::Ok && SUCCEEDED(stream->Stat(&status, STATFLAG_NONAME)) &&
      SUCCEEDED(GetHGlobalFromStream(stream, &memory))) {
    if (const void* data = GlobalLock(memory)) {
      bytes.emplace(static_cast<const char*>(data), static_cast<std::size_t>(status.cbSize.QuadPart));
      GlobalUnlock(memory);
    }
  }
  stream->Release();
  return bytes;
}

void GdiPlusCanvas::FillRect(const Rect& rect, Argb color) {
  if (!graphics_ || rect.right <= rect.left || rect.bottom <= rect.top) return;
  brush_->SetColor(Gdiplus::Color(color));
  graphics_->FillRectangle(brush_.get(), Gdiplus::Rect(rect.left, rect.top, rect.right - rect.left,
                                                       rect.bottom - rect.top));
}

void GdiPlusCanvas::DrawLine(float x1, float y1, float x2, float y2, Argb color, float width, bool antiAlias) {
  if (!graphics_) return;
  SavedState saved(*graphics_);
  graphics_->SetSmoothingMode(antiAlias ? Gdiplus::SmoothingModeAntiAlias : Gdiplus::SmoothingModeDefault);
  pen_->SetColor(Gdiplus::Color(color));
  pen_->SetWidth(width);
  graphics_->DrawLine(pen_.get(), Gdiplus::PointF(x1, y1), Gdiplus::PointF(x2, y2));
}

void GdiPlusCanvas::DrawImage(const SkinImage& image, const Rect& source, const Rect& destination) {
  Gdiplus::Bitmap* picture = PictureOf(image);
  if (!graphics_ || !picture) return;
  const int sourceWidth = source.right - source.left;
  const int sourceHeight = source.bottom - source.top;
  const int width = destination.right - destination.left;
  const int height = destination.bottom - destination.top;
  if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0) return;

  // What lies outside the picture stays empty (a button state beyond its strip shows nothing);
  // the part inside keeps its place in the destination.
  const int left = std::max(source.left, 0);
  const int top = std::max(source.top, 0);
  const int right = std::min(source.right, image.Width());
  const int bottom = std::min(source.bottom, image.Height());
  if (left >= right || top >= bottom) return;
  const double scaleX = static_cast<double>(width) / sourceWidth;
  const double scaleY = static_cast<double>(height) / sourceHeight;
  const auto place = [](int origin, int offset, double scale) {
    return origin + static_cast<int>(std::lround(offset * scale));
  };
  const int toLeft = place(destination.left, left - source.left, scaleX);
  const int toTop = place(destination.top, top - source.top, scaleY);
  const int toRight = place(destination.left, right - source.left, scaleX);
  const int toBottom = place(destination.top, bottom - source.top, scaleY);
  if (toLeft >= toRight || toTop >= toBottom) return;

  const Gdiplus::Rect to(toLeft, toTop, toRight - toLeft, toBottom - toTop);
  const bool unscaled = to.Width == right - left && to.Height == bottom - top;
  if (unscaled && Blend(*picture, Rect{left, top, right, bottom}, toLeft, toTop)) return;
  SavedState saved(*graphics_);
  graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  if (unscaled) {
    // Nearest neighbour at half-pixel offsets copies pixel for pixel.
    graphics_->SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics_->DrawImage(picture, to, left, top, right - left, bottom - top, Gdiplus::UnitPixel);
    return;
  }
  graphics_->SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
  if (left == 0 && top == 0 && right == image.Width() && bottom == image.Height()) {
    graphics_->DrawImage(picture, to, 0, 0, right, bottom, Gdiplus::UnitPixel, clampEdges_.get());
    return;
  }
  // Wine's GDI+ samples the neighbouring frames of a strip when it scales a part, so the part
  // is scaled on its own.
  std::unique_ptr<Gdiplus::Bitmap> part(
      picture->Clone(Gdiplus::Rect(left, top, right - left, bottom - top), PixelFormat32bppARGB));
  if (!part || part->GetLastStatus() != Gdiplus::Ok) return;
  graphics_->DrawImage(part.get(), to, 0, 0, right - left, bottom - top, Gdiplus::UnitPixel, clampEdges_.get());
}

void GdiPlusCanvas::FillPie(float cx, float cy, float radius, float startDegrees, float sweepDegrees,
                            float holeRadius, Argb color, bool antiAlias) {
  if (!graphics_ || radius <= 0 || sweepDegrees == 0) return;
  SavedState saved(*graphics_);
  graphics_->SetSmoothingMode(antiAlias ? Gdiplus::SmoothingModeAntiAlias : Gdiplus::SmoothingModeDefault);
  if (holeRadius > 0) {
    Gdiplus::GraphicsPath hole;
    hole.AddEllipse(cx - holeRadius, cy - holeRadius, 2 * holeRadius, 2 * holeRadius);
    graphics_->SetClip(&hole, Gdiplus::CombineModeExclude);
  }
  brush_->SetColor(Gdiplus::Color(color));
  graphics_->FillPie(brush_.get(), Gdiplus::RectF(cx - radius, cy - radius, 2 * radius, 2 * radius), startDegrees,
                     sweepDegrees);
}

void GdiPlusCanvas::DrawRotatedImage(const SkinImage& image, float cx, float cy, float degrees, float offsetX,
                                     float offsetY) {
  Gdiplus::Bitmap* picture = PictureOf(image);
  if (!graphics_ || !picture) return;
  SavedState saved(*graphics_);
  graphics_->SetInterpolationMode(Gdiplus::InterpolationModeBilinear);
  graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics_->TranslateTransform(cx, cy);
  graphics_->RotateTransform(degrees);
  graphics_->TranslateTransform(-offsetX, -offsetY);
  // Sized in pixels: the picture's own resolution must not scale it.
  graphics_->DrawImage(picture, Gdiplus::Rect(0, 0, image.Width(), image.Height()), 0, 0, image.Width(),
                       image.Height(), Gdiplus::UnitPixel);
  graphics_->ResetTransform();
}

void GdiPlusCanvas::DrawText(const std::string& text, const RectF& box, const TextStyle& style) {
  if (!graphics_ || text.empty()) return;
  const std::wstring wide = WidenCp949(text);
  Gdiplus::Font* font = fonts_->For(wide, style);
  if (!font) return;
  const float left = std::floor(box.x);
  const float top = std::floor(box.y);
  const TextPictures::Key key{wide,        font,       style.color, style.horizontal, style.vertical, style.antiAlias,
                              style.clip, box.width, box.height,  box.x - left,     box.y - top};
  const TextPictures::Found found = textPictures_->Find(key);
  const TextPicture* picture = found.picture;
  if (!picture && found.seenBefore) {
    std::optional<TextPicture> drawn = PictureText(wide, *font, RectF{key.fractionX, key.fractionY, box.width, box.height}, style);
    if (drawn) picture = &textPictures_->Keep(key, std::move(*drawn));
  }
  if (picture) {
    const Gdiplus::Bitmap& bitmap = *picture->bitmap;
    const Rect all{0, 0, static_cast<int>(const_cast<Gdiplus::Bitmap&>(bitmap).GetWidth()),
                   static_cast<int>(const_cast<Gdiplus::Bitmap&>(bitmap).GetHeight())};
    if (Blend(*picture->bitmap, all, static_cast<int>(left) + picture->left, static_cast<int>(top) + picture->top)) {
      return;
    }
  }
  DrawTextOn(*graphics_, wide, *font, box, style);
}

Gdiplus::RectF GdiPlusCanvas::LayoutFor(const RectF& box, const TextStyle& style) {
  if (style.clip) return Gdiplus::RectF(box.x, box.y, box.width, box.height);
  // Wine's GDI+ drops what does not fit the box even without wrapping or clipping. A box grown
  // about its alignment's anchor (edge or middle) places the text the same and drops nothing.
  const auto grown = [](float start, float extent, TextAlign align) {
    switch (align) {
      case TextAlign::Center: return start + extent / 2 - kUnbounded / 2;
      case TextAlign::Far: return start + extent - kUnbounded;
      case TextAlign::Near: break;
    }
    return start;
  };
  return Gdiplus::RectF(grown(box.x, box.width, style.horizontal), grown(box.y, box.height, style.vertical),
                        kUnbounded, kUnbounded);
}

void GdiPlusCanvas::DrawTextOn(Gdiplus::Graphics& graphics, const std::wstring& text, Gdiplus::Font& font,
                               const RectF& box, const TextStyle& style) {
  SavedState saved(graphics);
  graphics.SetTextRenderingHint(style.antiAlias ? Gdiplus::TextRenderingHintAntiAlias
                                                : Gdiplus::TextRenderingHintSystemDefault);
  brush_->SetColor(Gdiplus::Color(style.color));
  const Gdiplus::RectF layout = LayoutFor(box, style);
  // Wine's GDI+ draws a last line that only starts inside the box in full.
  if (style.clip) graphics.SetClip(layout, Gdiplus::CombineModeIntersect);
  graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, layout, &FormatFor(style), brush_.get());
}

std::optional<TextPicture> GdiPlusCanvas::PictureText(const std::wstring& text, Gdiplus::Font& font,
                                                      const RectF& box, const TextStyle& style) {
  // A clipped text stays inside its box; any other is measured and given room for overhangs.
  Gdiplus::RectF area(0, 0, std::ceil(box.x + box.width), std::ceil(box.y + box.height));
  if (!style.clip) {
    Gdiplus::RectF bounds;
    {
      SavedState saved(*graphics_);
      graphics_->SetTextRenderingHint(style.antiAlias ? Gdiplus::TextRenderingHintAntiAlias
                                                      : Gdiplus::TextRenderingHintSystemDefault);
      if (graphics_->MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, LayoutFor(box, style),
                                   &FormatFor(style), &bounds) != Gdiplus::Ok) {
        return std::nullopt;
      }
    }
    // Wine reports the size right but not the aligned place, so the place follows the alignment.
    const auto start = [](float boxStart, float boxExtent, float extent, TextAlign align) {
      switch (align) {
        case TextAlign::Center: return boxStart + (boxExtent - extent) / 2;
        case TextAlign::Far: return boxStart + boxExtent - extent;
        case TextAlign::Near: break;
      }
      return boxStart;
    };
    const float left = start(box.x, box.width, bounds.Width, style.horizontal);
    const float top = start(box.y, box.height, bounds.Height, style.vertical);
    const float margin = std::ceil(bounds.Height / 2) + 2;
    area.X = std::floor(left) - margin;
    area.Y = std::floor(top) - margin;
    area.Width = std::ceil(left + bounds.Width) + margin - area.X;
    area.Height = std::ceil(top + bounds.Height) + margin - area.Y;
  }
  constexpr float kLargest = 4096;
  if (!(area.Width >= 1 && area.Height >= 1 && area.Width <= kLargest && area.Height <= kLargest)) return std::nullopt;
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(static_cast<INT>(area.Width), static_cast<INT>(area.Height),
                                                  PixelFormat32bppARGB);
  if (bitmap->GetLastStatus() != Gdiplus::Ok) return std::nullopt;
  bitmap->SetResolution(surface_->GetHorizontalResolution(), surface_->GetVerticalResolution());
  Gdiplus::Graphics graphics(bitmap.get());
  if (graphics.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
  graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
  DrawTextOn(graphics, text, font, RectF{box.x - area.X, box.y - area.Y, box.width, box.height}, style);
  graphics.Flush(Gdiplus::FlushIntentionSync);
  return TextPicture{std::move(bitmap), static_cast<int>(area.X), static_cast<int>(area.Y)};
}

bool GdiPlusCanvas::Blend(Gdiplus::Bitmap& picture, const Rect& source, int toX, int toY) {
  const std::optional<AlphaForm> from = AlphaFormOf(picture);
  const std::optional<AlphaForm> onto = AlphaFormOf(*surface_);
  if (!from || !onto) return false;
  // Only what lands on the canvas.
  const int skipX = std::max(0, -toX);
  const int skipY = std::max(0, -toY);
  const int width = std::min(source.right - source.left - skipX, width_ - (toX + skipX));
  const int height = std::min(source.bottom - source.top - skipY, height_ - (toY + skipY));
  if (width <= 0 || height <= 0) return true;
  graphics_->Flush(Gdiplus::FlushIntentionSync);
  LockedPixels pixels(picture, Gdiplus::Rect(source.left + skipX, source.top + skipY, width, height),
                      Gdiplus::ImageLockModeRead, *from);
  LockedPixels canvas(*surface_, Gdiplus::Rect(toX + skipX, toY + skipY, width, height),
                      Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite, *onto);
  if (!pixels.Locked() || !canvas.Locked()) return false;
  for (int y = 0; y < height; ++y) BlendRowOver(pixels.Row(y), *from, canvas.Row(y), *onto, width);
  return true;
}

const Gdiplus::StringFormat& GdiPlusCanvas::FormatFor(const TextStyle& style) {
  const std::size_t index =
      (static_cast<std::size_t>(style.horizontal) * 3 + static_cast<std::size_t>(style.vertical)) * 2 +
      (style.clip ? 1 : 0);
  std::unique_ptr<Gdiplus::StringFormat>& format = formats_[index];
  if (!format) {
    if (style.clip) {
      // Wraps inside the box and ends what does not fit with "…".
      format = std::make_unique<Gdiplus::StringFormat>(0);
      format->SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    } else {
      format = std::make_unique<Gdiplus::StringFormat>(Gdiplus::StringFormatFlagsNoWrap |
                                                       Gdiplus::StringFormatFlagsNoClip);
      format->SetTrimming(Gdiplus::StringTrimmingNone);
    }
    format->SetAlignment(AlignmentOf(style.horizontal));
    format->SetLineAlignment(AlignmentOf(style.vertical));
  }
  return *format;
}

}  // namespace quillet::win
