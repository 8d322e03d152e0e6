#include "widgets/ShowingAtSetTimes.h"

#include "settings/Settings.h"

namespace quillet {

SpecialTimeAction SpecialTimeStep(const SpecialTimeSettings& settings, const LocalTime& now,
                                  PanelShowState state, bool raisedBySpecialTime) {
  if (state != PanelShowState::Shown) {
    // The lead-in belongs to the minute before the special one: 0 is announced in minute 59.
    const int nextMinute = (now.minute + 1) % 60;
    const bool leadIn = static_cast<long long>(now.second) + settings.viewingBeforeTime >= 60;
    for (const int special : settings.minutes) {
      if (special == nextMinute && leadIn) return SpecialTimeAction::Raise;
    }
    return SpecialTimeAction::None;
  }
  if (!raisedBySpecialTime) return SpecialTimeAction::None;
  if (now.second < 30 && now.second >= settings.viewingAfterTime) return SpecialTimeAction::Lower;
  if (now.second == 0 && settings.hasSound) return SpecialTimeAction::PlaySound;
  return SpecialTimeAction::None;
}

SpecialTimeSettings SpecialTimeSettingsOf(const ClockSettings& clock) {
  SpecialTimeSettings settings;
  settings.minutes = {clock.specialTime0, clock.specialTime30, clock.specialTimes[0], clock.specialTimes[1],
                      clock.specialTimes[2]};
  settings.viewingBeforeTime = clock.viewingBeforeTime;
  settings.viewingAfterTime = clock.viewingAfterTime;
  settings.hasSound = !clock.specialAlarm.empty();
  settings.viewMode = clock.viewMode;
  return settings;
}

}  // namespace quillet
