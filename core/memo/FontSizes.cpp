#include "memo/FontSizes.h"

#include <algorithm>

namespace quillet {

int StepFontSize(int points, int steps) {
  const auto found = std::find(kFontSizes.begin(), kFontSizes.end(), points);
  if (found == kFontSizes.end()) return points;
  const auto index = std::clamp<long>(found - kFontSizes.begin() + steps, 0, kFontSizes.size() - 1);
  return kFontSizes[static_cast<std::size_t>(index)];
}

}  // namespace quillet
