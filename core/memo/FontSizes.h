#pragma once

#include <array>

namespace quillet {

// The sizes, in points, that the editor's size up and size down step through.
inline constexpr std::array<int, 16> kFontSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// One entry up (`steps` 1) or down (-1) from `points`; the ends and sizes not in the table stay.
int StepFontSize(int points, int steps);

// The editor's character heights are points × 18, not the 20 twips of a typographic point, and
// are read back with the vertical offset added, to the nearest point: RTF stores half points, so
// a saved height comes back up to 9 twips short.
inline constexpr int kEditorHeightPerPoint = 18;
inline constexpr int EditorHeightOf(int points) { return points * kEditorHeightPerPoint; }
inline constexpr int PointsOfEditorHeight(int height, int offset) {
  const long long twips = static_cast<long long>(height) + offset;
  const long long half = kEditorHeightPerPoint / 2;
  return static_cast<int>(twips >= 0 ? (twips + half) / kEditorHeightPerPoint : (twips - half) / kEditorHeightPerPoint);
}

}  // namespace quillet
