#include "memo/Placement.h"

#include "geometry/Saturate.h"

namespace quillet {

Rect CorrectMemoPlacement(const Rect& window, const ScreenGeometry& screens) {
  const Size& screen = screens.primary;
  if (window.left >= 0 && window.top >= 0 && window.right <= screen.width && window.bottom <= screen.height) {
    return window;
  }
  // Wide arithmetic: the rectangle comes from a file and may hold any values.
  const long long centreX = (static_cast<long long>(window.left) + window.right) / 2;
  const long long centreY = (static_cast<long long>(window.top) + window.bottom) / 2;
  for (const Rect& monitor : screens.monitors) {
    if (centreX >= monitor.left && centreX < monitor.right && centreY >= monitor.top && centreY < monitor.bottom) {
      return window;
    }
  }
  long long left = window.left, top = window.top, right = window.right, bottom = window.bottom;
  auto shift = [](long long& a, long long& b, long long by) {
    a += by;
    b += by;
  };
  if (left < 0) shift(left, right, -left);
  if (top < 0) shift(top, bottom, -top);
  if (right > screen.width) shift(left, right, screen.width - right);
  if (bottom > screen.height) shift(top, bottom, screen.height - bottom);
  return Rect{Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}

}  // namespace quillet
