#include "schedule/NotificationPlacement.h"

#include <algorithm>
#include <climits>

#include "geometry/Saturate.h"

namespace quillet {

Point CentredPopupPosition(Size screen, int cascadeIndex) {
  const long long step = screen.width / 100;
  const long long c = cascadeIndex;
  return Point{Saturate(step * (c - 10) + screen.width / 2),
               Saturate(step * c + screen.height / 2 - static_cast<long long>(screen.height / 100) * 10)};
}

SlidePlace SlidePosition(const Rect& workArea, Size window, int stackingIndex) {
  const long long w = window.width;
  const long long h = window.height;
  const long long index = std::max(stackingIndex, 0);
  const long long areaHeight = static_cast<long long>(workArea.bottom) - workArea.top;
  const long long perColumn = std::max(h > 0 ? areaHeight / h : 1, 1LL);
  const long long column = index / perColumn;
  const long long row = index % perColumn;
  return SlidePlace{Saturate(workArea.right - w * column + 4), Saturate(workArea.bottom - (h - 10) * (row + 1) - 10)};
}

int SlideStepMilliseconds(int windowWidth) {
  const int steps = std::max(windowWidth / kSlideStepPixels, 1);
  return std::max(kSlideTravelMilliseconds / steps, 1);
}

int NotificationCounters::NextCascade() {
  const int index = cascade_;
  cascade_ = (cascade_ + 1) % kCascadePlaces;
  return index;
}

int NotificationCounters::NextStacking() {
  const int index = stacking_;
  if (stacking_ < INT_MAX) ++stacking_;
  return index;
}

void NotificationCounters::ResetStacking() { stacking_ = 0; }

}  // namespace quillet
