#include "memo/Placement.h"

#include "geometry/Saturate.h"

namespace quillet {
namespace {

// Centres are taken wide, as (left + right) / 2: positions come from files and may hold any values.
// Right and bottom lie outside an area, so a centre on them is off it.
bool CentredOnAny(long long left, long long top, long long right, long long bottom, const std::vector<Rect>& areas) {
  const long long centreX = (left + right) / 2;
  const long long centreY = (top + bottom) / 2;
  for (const Rect& area : areas) {
    if (centreX >= area.left && centreX < area.right && centreY >= area.top && centreY < area.bottom) return true;
  }
  return false;
}

}  // namespace

Rect CorrectMemoPlacement(const Rect& window, const ScreenGeometry& screens) {
  const Size& screen = screens.primary;
  if (window.left >= 0 && window.top >= 0 && window.right <= screen.width && window.bottom <= screen.height) {
    return window;
  }
  if (CentredOnAny(window.left, window.top, window.right, window.bottom, screens.monitors)) return window;
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

Point CheckPanelPosition(Point saved, Size panel, const std::vector<Rect>& workAreas, const Rect& newMemoRect) {
  const long long right = static_cast<long long>(saved.x) + panel.width;
  const long long bottom = static_cast<long long>(saved.y) + panel.height;
  if (CentredOnAny(saved.x, saved.y, right, bottom, workAreas)) return saved;
  return Point{Saturate(static_cast<long long>(newMemoRect.right) - panel.width), newMemoRect.top};
}

}  // namespace quillet
