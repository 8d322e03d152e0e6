#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "geometry/Rect.h"

namespace quillet {

// Skin colours: alpha in bits 24–31, then red, green, blue.
using Argb = std::uint32_t;

struct RectF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
  friend bool operator==(const RectF& a, const RectF& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
  }
};

// A picture a meter draws, loaded once per skin load.
class SkinImage {
 public:
  virtual ~SkinImage() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

enum class TextAlign { Near, Center, Far };
enum class FontStyle { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

struct TextStyle {
  std::string face;  // a family the canvas may not have: it falls back
  int size = 10;     // points at 96 dots per inch
  FontStyle style = FontStyle::Regular;
  Argb color = 0xFF000000;
  TextAlign horizontal = TextAlign::Near;
  TextAlign vertical = TextAlign::Near;
  bool antiAlias = false;
  bool clip = false;  // wrap inside the box and end cut text with an ellipsis; else it may run outside
};

// Where meters draw: a 32-bit ARGB picture the size of the skin window. Drawing is source-over.
class Canvas {
 public:
  virtual ~Canvas() = default;
  // Every pixel replaced by the background's (transparent where there is none), alpha included.
  virtual void DrawBackground(const SkinImage* background) = 0;
  virtual void FillRect(const Rect& rect, Argb color) = 0;
  virtual void DrawLine(float x1, float y1, float x2, float y2, Argb color, float width, bool antiAlias) = 0;
  // The part `source` of the image, scaled into `destination`.
  virtual void DrawImage(const SkinImage& image, const Rect& source, const Rect& destination) = 0;
  // A pie of `radius` around (cx, cy) from `startDegrees` sweeping `sweepDegrees` clockwise, with the
  // circle of `holeRadius` (0: none) around the centre left out.
  virtual void FillPie(float cx, float cy, float radius, float startDegrees, float sweepDegrees, float holeRadius,
                       Argb color, bool antiAlias) = 0;
  // The whole image at its own size, turned by `degrees` clockwise about (cx, cy), its point
  // (offsetX, offsetY) on that centre.
  virtual void DrawRotatedImage(const SkinImage& image, float cx, float cy, float degrees, float offsetX,
                                float offsetY) = 0;
  // CP949 text laid out in `box`.
  virtual void DrawText(const std::string& text, const RectF& box, const TextStyle& style) = 0;
};

// Loads the pictures of a skin: files by full path, or the program's PNG resources by number.
class ImageLoader {
 public:
  virtual ~ImageLoader() = default;
  // Nothing when the file cannot be read or is not a picture.
  virtual std::unique_ptr<SkinImage> LoadFile(const std::string& path) = 0;
  virtual std::unique_ptr<SkinImage> LoadResource(int id) = 0;
};

}  // namespace quillet
