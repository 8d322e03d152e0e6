#include "skin/PixelBlend.h"

namespace quillet::win {

namespace {

std::uint32_t AlphaOf(std::uint32_t pixel) { return pixel >> 24; }

// x × y / 255, rounded, for bytes.
std::uint32_t Scale(std::uint32_t x, std::uint32_t y) {
  const std::uint32_t product = x * y + 128;
  return (product + (product >> 8)) >> 8;
}

std::uint32_t Premultiply(std::uint32_t pixel) {
  const std::uint32_t alpha = AlphaOf(pixel);
  if (alpha == 255) return pixel;
  return (alpha << 24) | (Scale((pixel >> 16) & 0xFF, alpha) << 16) | (Scale((pixel >> 8) & 0xFF, alpha) << 8) |
         Scale(pixel & 0xFF, alpha);
}

std::uint32_t Unpremultiply(std::uint32_t pixel) {
  const std::uint32_t alpha = AlphaOf(pixel);
  if (alpha == 255 || alpha == 0) return alpha == 0 ? 0 : pixel;
  const auto channel = [alpha](std::uint32_t value) {
    const std::uint32_t straight = (value * 255 + alpha / 2) / alpha;
    return straight > 255 ? 255u : straight;
  };
  return (alpha << 24) | (channel((pixel >> 16) & 0xFF) << 16) | (channel((pixel >> 8) & 0xFF) << 8) |
         channel(pixel & 0xFF);
}

// Both premultiplied.
std::uint32_t Over(std::uint32_t source, std::uint32_t destination) {
  const std::uint32_t keep = 255 - AlphaOf(source);
  std::uint32_t result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t sum = ((source >> shift) & 0xFF) + Scale((destination >> shift) & 0xFF, keep);
    result |= (sum > 255 ? 255u : sum) << shift;
  }
  return result;
}

}  // namespace

void BlendRowOver(const std::uint32_t* source, AlphaForm sourceForm, std::uint32_t* destination,
                  AlphaForm destinationForm, int count) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t pixel = source[i];
    const std::uint32_t alpha = AlphaOf(pixel);
    if (alpha == 0) continue;
    const bool straightIn = sourceForm == AlphaForm::Straight;
    if (destinationForm == AlphaForm::Premultiplied) {
      destination[i] = Over(straightIn ? Premultiply(pixel) : pixel, destination[i]);
      continue;
    }
    if (alpha == 255 || AlphaOf(destination[i]) == 0) {
      destination[i] = straightIn ? pixel : Unpremultiply(pixel);
      continue;
    }
    destination[i] = Unpremultiply(Over(straightIn ? Premultiply(pixel) : pixel, Premultiply(destination[i])));
  }
}

}  // namespace quillet::win
