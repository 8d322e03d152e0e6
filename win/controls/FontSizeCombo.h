#pragma once

#include <optional>

#include "platform/WinApi.h"

namespace quillet::win {

// A drop-down list combo box of the sizes 8 … 72 (core/memo/FontSizes.h): points in the memo
// editor, the height of a memo's title font.
void FillSizeCombo(HWND combo);
// Nothing is selected for a size the list does not hold.
void SelectSize(HWND combo, int size);
std::optional<int> SelectedSize(HWND combo);

}  // namespace quillet::win
