#include "controls/ColorChoice.h"

#include <commdlg.h>

namespace quillet::win {

std::optional<COLORREF> ChooseColorFrom(HWND owner, COLORREF initial, CustomColors& custom) {
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.rgbResult = initial;
  choose.lpCustColors = custom.data();
  choose.Flags = CC_FULLOPEN | CC_RGBINIT;
  if (!ChooseColorW(&choose)) return std::nullopt;
  return choose.rgbResult;
}

}  // namespace quillet::win
