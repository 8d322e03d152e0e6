#include "memo/FontSizes.h"

#include <algorithm>
#include <cstddef>

namespace quillet {

int StepFontSize(int points, int steps) {
  const auto found = std::find(kFontSizes.begin(), kFontSizes.end(), points);
  if (found == kFontSizes.end()) return points;
  const std::ptrdiff_t last = kFontSizes.size() - 1;
  const std::ptrdiff_t index = std::clamp<std::ptrdiff_t>(found - kFontSizes.begin() + steps, 0, last);
  return kFontSizes[static_cast<std::size_t>(index)];
}

}  // namespace quillet
