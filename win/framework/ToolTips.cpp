#include "framework/ToolTips.h"

#include <commctrl.h>

#include <string>

#include "platform/Wide.h"

namespace quillet::win {

HWND CreateToolTipWindow() {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

ToolTips::~ToolTips() {
  if (tips_) DestroyWindow(tips_);
}

bool ToolTips::Add(HWND control, std::string_view text) {
  const HWND owner = GetParent(control);
  if (!control || !owner) return false;
  if (!tips_ || !IsWindow(tips_)) {
    tips_ = CreateToolTipWindow();
    if (!tips_) return false;
  }
  std::wstring wide = WidenCp949(text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  return SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

}  // namespace quillet::win
