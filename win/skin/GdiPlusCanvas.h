#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/WinApi.h"  // before the port: it takes away the DrawText macro
#include "ports/Canvas.h"

namespace Gdiplus {
class Bitmap;
class Font;
class Graphics;
class ImageAttributes;
class Pen;
class RectF;
class SolidBrush;
class StringFormat;
}  // namespace Gdiplus

namespace quillet::win {

class SkinFonts;
class TextPictures;
struct TextPicture;

// The canvas meters draw on: a 32-bit ARGB GDI+ bitmap, drawn source-over. It draws only
// GdiPlusImage pictures. GDI+ must be running for as long as the canvas lives.
class GdiPlusCanvas final : public Canvas {
 public:
  // A transparent bitmap of its own, at the desktop's resolution.
  GdiPlusCanvas(int width, int height);
  // Draws on `target`, which must outlive the canvas.
  explicit GdiPlusCanvas(Gdiplus::Bitmap& target);
  ~GdiPlusCanvas() override;
  GdiPlusCanvas(const GdiPlusCanvas&) = delete;
  GdiPlusCanvas& operator=(const GdiPlusCanvas&) = delete;

  // False when GDI+ could not make the bitmap or draw on it; every drawing then does nothing.
  bool Valid() const { return graphics_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Every pixel transparent.
  void Clear();
  // The pixels drawn so far, e.g. for UpdateLayeredWindow; null when not Valid.
  Gdiplus::Bitmap* Surface();
  // The pixels as a PNG file at a CP949 path, or as PNG bytes.
  bool SavePng(const std::string& path);
  std::optional<std::string> EncodePng();

  // Source copy; what the background does not cover (all of it when there is none) is cleared.
  void DrawBackground(const SkinImage* background) override;
  void FillRect(const Rect& rect, Argb color) override;
  void DrawLine(float x1, float y1, float x2, float y2, Argb color, float width, bool antiAlias) override;
  void DrawImage(const SkinImage& image, const Rect& source, const Rect& destination) override;
  void FillPie(float cx, float cy, float radius, float startDegrees, float sweepDegrees, float holeRadius,
               Argb color, bool antiAlias) override;
  void DrawRotatedImage(const SkinImage& image, float cx, float cy, float degrees, float offsetX,
                        float offsetY) override;
  void DrawText(const std::string& text, const RectF& box, const TextStyle& style) override;

 private:
  void Start(int desktopDpi);
  const Gdiplus::StringFormat& FormatFor(const TextStyle& style);
  // Where DrawString puts the text of `box`: the box itself when clipped, else one grown about
  // its alignment's anchor.
  static Gdiplus::RectF LayoutFor(const RectF& box, const TextStyle& style);
  void DrawTextOn(Gdiplus::Graphics& graphics, const std::wstring& text, Gdiplus::Font& font, const RectF& box,
                  const TextStyle& style);
  // The text of a box at (fractionX, fractionY) drawn into a picture of its own.
  std::optional<TextPicture> PictureText(const std::wstring& text, Gdiplus::Font& font, const RectF& box,
                                         const TextStyle& style);
  // `source` of `picture` drawn unscaled at (toX, toY) by blending the pixels directly, much faster
  // than GDI+ under Wine; false when either bitmap's pixel format is not 32-bit ARGB.
  bool Blend(Gdiplus::Bitmap& picture, const Rect& source, int toX, int toY);

  std::unique_ptr<Gdiplus::Bitmap> owned_;
  Gdiplus::Bitmap* surface_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<Gdiplus::Graphics> graphics_;
  std::unique_ptr<Gdiplus::SolidBrush> brush_;
  std::unique_ptr<Gdiplus::Pen> pen_;
  std::unique_ptr<Gdiplus::ImageAttributes> clampEdges_;
  std::unique_ptr<SkinFonts> fonts_;
  std::unique_ptr<TextPictures> textPictures_;
  // By horizontal and vertical alignment and clipping.
  std::array<std::unique_ptr<Gdiplus::StringFormat>, 18> formats_;
};

}  // namespace quillet::win
