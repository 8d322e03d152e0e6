#include "controls/FontSizeCombo.h"

#include <algorithm>
#include <string>

#include "memo/FontSizes.h"

namespace quillet::win {

void FillSizeCombo(HWND combo) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (int size : kFontSizes) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(size).c_str()));
  }
}

void SelectSize(HWND combo, int size) {
  const auto found = std::find(kFontSizes.begin(), kFontSizes.end(), size);
  const LRESULT index = found == kFontSizes.end() ? CB_ERR : found - kFontSizes.begin();
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::optional<int> SelectedSize(HWND combo) {
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index < 0 || index >= static_cast<LRESULT>(kFontSizes.size())) return std::nullopt;
  return kFontSizes[static_cast<std::size_t>(index)];
}

}  // namespace quillet::win
