#pragma once

#include <string_view>

#include "platform/WinApi.h"

namespace quillet::win {

// The tooltips of one window's child controls. The tip window is owned by that window and goes
// with it.
class ToolTips {
 public:
  ToolTips() = default;
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  // `text` is program text (CP949). False when the tip window could not be made.
  bool Add(HWND control, std::string_view text);
  HWND hwnd() const { return tips_; }

 private:
  HWND tips_ = nullptr;
};

}  // namespace quillet::win
