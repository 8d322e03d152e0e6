#pragma once

#include <string_view>

#include "platform/WinApi.h"

namespace quillet::win {

// A tooltip window of no owner: a topmost window owned by a panel would keep the panel itself from
// becoming topmost (Wine puts the panel under its owned popups instead). Its maker destroys it.
HWND CreateToolTipWindow();

// The tooltips of one window's child controls.
class ToolTips {
 public:
  ToolTips() = default;
  ~ToolTips();
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  // `text` is program text (CP949). False when the tip window could not be made.
  bool Add(HWND control, std::string_view text);
  HWND hwnd() const { return tips_; }

 private:
  HWND tips_ = nullptr;
};

}  // namespace quillet::win
