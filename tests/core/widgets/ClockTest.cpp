#include <gtest/gtest.h>

#include <climits>

#include "schedule/DateKeys.h"
#include "settings/Settings.h"
#include "widgets/ClockHeartbeat.h"
#include "widgets/ShowingAtSetTimes.h"

namespace quillet {
namespace {

LocalTime At(int year, int month, int day, int hour, int minute, int second) {
  return LocalTime{year, month, day, hour, minute, second, 0, 0};
}

struct Beat {
  const char* name;
  LocalTime now;
  bool minute, day;
};

void ExpectBeats(ClockHeartbeat& beat, std::initializer_list<Beat> beats) {
  for (const Beat& b : beats) {
    const HeartbeatEvents events = beat.Tick(b.now);
    EXPECT_EQ(events.newMinute, b.minute) << b.name;
    EXPECT_EQ(events.newDay, b.day) << b.name;
    EXPECT_EQ(events.at.Stamp(), MinuteStamp(b.now.year, b.now.month, b.now.day, b.now.hour, b.now.minute)) << b.name;
  }
}

TEST(ClockHeartbeat, EachMinuteAndDayOnceWhateverTheTicks) {
  ClockHeartbeat beat;
  ExpectBeats(beat, {
      {"the first tick knows nothing yet", At(2024, 2, 28, 23, 55, 40), true, true},
      {"a second tick in the same minute", At(2024, 2, 28, 23, 55, 41), false, false},
      {"the last second of it", At(2024, 2, 28, 23, 55, 59), false, false},
      {"a late tick skipping minutes", At(2024, 2, 28, 23, 58, 2), true, false},
      {"midnight, into a leap day", At(2024, 2, 29, 0, 0, 0), true, true},
      {"then the next second", At(2024, 2, 29, 0, 0, 1), false, false},
      {"the clock set back over midnight", At(2024, 2, 28, 23, 59, 30), true, true},
  });
}

TEST(ClockHeartbeat, MinuteCheckRequestedAndDayMarkedSeen) {
  ClockHeartbeat beat;
  beat.MarkDaySeen(DateCode(2024, 3, 9));
  ExpectBeats(beat, {{"start-up marked today seen", At(2024, 3, 9, 10, 15, 0), true, false}});
  beat.RequestMinuteCheck();
  ExpectBeats(beat, {
      {"the same minute again on request", At(2024, 3, 9, 10, 15, 1), true, false},
      {"and only once", At(2024, 3, 9, 10, 15, 2), false, false},
  });
  beat.MarkDaySeen(DateCode(2024, 3, 10));
  ExpectBeats(beat, {{"a day seen ahead of midnight", At(2024, 3, 10, 0, 0, 0), true, false}});
}

struct SpecialRow {
  const char* name;
  SpecialTimeSettings settings;
  LocalTime now;
  PanelShowState state;
  bool raised;
  SpecialTimeAction expected;
};

SpecialTimeSettings Defaults() { return SpecialTimeSettings{{0, 30, -1, -1, -1}, 3, 1, true, ClockViewMode::AtSetTimes}; }

SpecialTimeSettings With(int before, int after, bool sound, std::array<int, 5> minutes = {0, 30, -1, -1, -1}) {
  return SpecialTimeSettings{minutes, before, after, sound, ClockViewMode::AtSetTimes};
}

TEST(SpecialTimeStep, AroundTheSpecialMinutes) {
  using A = SpecialTimeAction;
  using S = PanelShowState;
  const SpecialRow rows[] = {
      {"one second early", Defaults(), At(2024, 3, 9, 10, 59, 56), S::Hidden, false, A::None},
      {"shown at hh:59:57", Defaults(), At(2024, 3, 9, 10, 59, 57), S::Hidden, false, A::Raise},
      {"while fading out", Defaults(), At(2024, 3, 9, 10, 59, 58), S::Hiding, false, A::Raise},
      {"still fading in", Defaults(), At(2024, 3, 9, 10, 59, 58), S::Showing, true, A::Raise},
      {"already shown by the user", Defaults(), At(2024, 3, 9, 10, 59, 58), S::Shown, false, A::None},
      {"raised and waiting", Defaults(), At(2024, 3, 9, 10, 59, 59), S::Shown, true, A::None},
      {"the half hour", Defaults(), At(2024, 3, 9, 10, 29, 57), S::Hidden, false, A::Raise},
      {"sound at hh:00:00", Defaults(), At(2024, 3, 9, 11, 0, 0), S::Shown, true, A::PlaySound},
      {"no sound file", With(3, 1, false), At(2024, 3, 9, 11, 0, 0), S::Shown, true, A::None},
      {"hides at hh:00:01", Defaults(), At(2024, 3, 9, 11, 0, 1), S::Shown, true, A::Lower},
      {"last second that hides", Defaults(), At(2024, 3, 9, 11, 0, 29), S::Shown, true, A::Lower},
      {"half a minute late stays", Defaults(), At(2024, 3, 9, 11, 0, 30), S::Shown, true, A::None},
      {"after time 0 hides at second 0, silent", With(3, 0, true), At(2024, 3, 9, 11, 0, 0), S::Shown, true, A::Lower},
      {"after time 5 waits", With(3, 5, true), At(2024, 3, 9, 11, 0, 4), S::Shown, true, A::None},
      {"before time 0 never shows", With(0, 1, true), At(2024, 3, 9, 10, 59, 59), S::Hidden, false, A::None},
      {"before time 60 shows for the whole minute", With(60, 1, true), At(2024, 3, 9, 10, 59, 0), S::Hidden, false, A::Raise},
      {"a huge before time", With(INT_MAX, 1, true), At(2024, 3, 9, 10, 59, 0), S::Hidden, false, A::Raise},
      {"special minute 0 is not minute 0", Defaults(), At(2024, 3, 9, 11, 0, 58), S::Hidden, false, A::None},
      {"SpecialTime_4 counts too", With(3, 1, true, {-1, -1, -1, -1, 15}), At(2024, 3, 9, 10, 14, 58), S::Hidden, false, A::Raise},
      {"special minute 59 in minute 58", With(3, 1, true, {59, -1, -1, -1, -1}), At(2024, 3, 9, 10, 58, 57), S::Hidden, false, A::Raise},
      {"no special minutes", With(3, 1, true, {-1, -1, -1, -1, -1}), At(2024, 3, 9, 10, 59, 59), S::Hidden, false, A::None},
      {"a minute out of range", With(3, 1, true, {60, -1, -1, -1, -1}), At(2024, 3, 9, 10, 59, 59), S::Hidden, false, A::None},
  };
  for (const SpecialRow& row : rows) {
    EXPECT_EQ(SpecialTimeStep(row.settings, row.now, row.state, row.raised), row.expected) << row.name;
  }
}

TEST(SpecialTimeStep, SettingsTakeTheMinutesInKeyOrder) {
  ClockSettings clock;
  clock.specialTime0 = 5;
  clock.specialTime30 = 35;
  clock.specialTimes = {2, 3, 4};
  clock.viewingBeforeTime = 7;
  clock.viewingAfterTime = 8;
  clock.viewMode = ClockViewMode::Hidden;
  EXPECT_FALSE(SpecialTimeSettingsOf(clock).hasSound);
  clock.specialAlarm = "ding.wav";
  const SpecialTimeSettings settings = SpecialTimeSettingsOf(clock);
  EXPECT_EQ(settings.minutes, (std::array<int, 5>{5, 35, 2, 3, 4}));
  EXPECT_EQ(settings.viewingBeforeTime, 7);
  EXPECT_EQ(settings.viewingAfterTime, 8);
  EXPECT_TRUE(settings.hasSound);
  EXPECT_EQ(settings.viewMode, ClockViewMode::Hidden);
}

}  // namespace
}  // namespace quillet
