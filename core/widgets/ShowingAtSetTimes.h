#pragma once

#include <array>

#include "ports/LocalTime.h"
#include "settings/SettingModes.h"

namespace quillet {

struct ClockSettings;

// The desktop panel's show state.
enum class PanelShowState { Hidden, Hiding, Shown, Showing };

// What "설정 시간에 보기" needs of the clock's settings.
struct SpecialTimeSettings {
  std::array<int, 5> minutes{};  // SpecialTime_0, _30, _2, _3, _4 in that order; -1 none
  int viewingBeforeTime = 3;     // seconds
  int viewingAfterTime = 1;      // seconds
  bool hasSound = false;         // SpecialAlarm not empty
  ClockViewMode viewMode = ClockViewMode::AtSetTimes;
};

enum class SpecialTimeAction { None, Raise, Lower, PlaySound };

// One tick of "설정 시간에 보기" (the tick runs it in no other view mode).
// Raise: set the mark, fade in, redraw, remember the z-position and go always on top. Raise comes
//   again on every tick of the lead-in while the panel is not yet fully shown, so the z-position
//   is remembered only when the mark was clear.
// Lower: restore the remembered z-position, fade out when the view mode is 2, clear the mark.
SpecialTimeAction SpecialTimeStep(const SpecialTimeSettings& settings, const LocalTime& now,
                                  PanelShowState state, bool raisedBySpecialTime);

SpecialTimeSettings SpecialTimeSettingsOf(const ClockSettings& clock);

}  // namespace quillet
