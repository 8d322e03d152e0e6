#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "ports/Canvas.h"

namespace Gdiplus {
class Bitmap;
class Font;
}  // namespace Gdiplus

namespace quillet::win {

// A text drawn once into a transparent picture, placed at (left, top) from the whole-pixel corner
// of its box.
struct TextPicture {
  std::unique_ptr<Gdiplus::Bitmap> bitmap;
  int left = 0;
  int top = 0;
};

// Texts a canvas drew more than once, kept as pictures: Wine's GDI+ lays out and rasterises every
// string anew, which makes a view of forty rows slow to redraw. A text is pictured on its second
// drawing, so texts drawn once (a clock's seconds) cost nothing extra. Bounded: when full, all go.
class TextPictures {
 public:
  struct Key {
    std::wstring text;
    const Gdiplus::Font* font = nullptr;
    Argb color = 0;
    TextAlign horizontal = TextAlign::Near;
    TextAlign vertical = TextAlign::Near;
    bool antiAlias = false;
    bool clip = false;
    // The box's size and its offset from whole pixels.
    float width = 0, height = 0, fractionX = 0, fractionY = 0;

    auto Tied() const {
      return std::tie(text, font, color, horizontal, vertical, antiAlias, clip, width, height, fractionX, fractionY);
    }
    bool operator<(const Key& other) const { return Tied() < other.Tied(); }
  };

  struct Found {
    const TextPicture* picture = nullptr;  // kept from before
    bool seenBefore = false;               // worth a picture now
  };

  TextPictures();
  ~TextPictures();
  TextPictures(const TextPictures&) = delete;
  TextPictures& operator=(const TextPictures&) = delete;

  // Marks a first sighting.
  Found Find(const Key& key);
  const TextPicture& Keep(const Key& key, TextPicture picture);

 private:
  std::map<Key, std::unique_ptr<TextPicture>> pictures_;
  std::size_t pixels_ = 0;
};

}  // namespace quillet::win
