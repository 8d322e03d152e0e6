#pragma once

#include <optional>

#include "platform/WinApi.h"
#include "ports/Clock.h"

namespace quillet::win {

struct PickedTime {
  int hour = 0;    // 0-23
  int minute = 0;  // 0-59
};

// The time picker (template IDD_TIME_PICKER) under the time button of a schedule dialog, kept
// on that monitor's work area, with `hour` and `minute` highlighted (out-of-range values are
// brought into range). The highlighted time on "확인", the clock's time on "현재 시간으로", or
// nothing when the picker was closed.
std::optional<PickedTime> PickTime(HWND owner, HWND timeButton, int hour, int minute, const Clock& clock);

}  // namespace quillet::win
