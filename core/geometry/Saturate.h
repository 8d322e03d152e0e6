#pragma once

#include <algorithm>
#include <climits>

#include "geometry/Rect.h"

namespace quillet {

// Coordinates from files and skins may hold any int: sums are taken wide and come back held to
// the int range rather than wrapping.
inline int Saturate(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

// The rectangle at (left, top) of the given size.
inline Rect RectAt(int left, int top, int width, int height) {
  return Rect{left, top, Saturate(static_cast<long long>(left) + width),
              Saturate(static_cast<long long>(top) + height)};
}

}  // namespace quillet
