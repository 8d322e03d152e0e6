#pragma once

#include <optional>

#include "schedule/AlarmRules.h"
#include "schedule/DateKeys.h"
#include "schedule/ScheduleList.h"

namespace quillet {

// A late timer tick may skip a few minutes; more than this many are a sleep or a clock set forward.
constexpr int kMaxCaughtUpMinutes = 5;

// What the scheduler remembers between checks.
struct AlarmCheckState {
  std::optional<LocalMinute> lastExamined;  // none before the first check
  int highestRecordId = -1;                 // the highest recordId examined in lastExamined's minute
};

// The check for the minute `now`, given what was examined before:
// - the same minute again (a re-check after an add, edit or file switch): only records added or
//   replaced since (their recordIds are higher), so nothing fires twice;
// - the next minute, or up to kMaxCaughtUpMinutes missed before `now`: each missed minute, then
//   `now`, in order, results concatenated;
// - a longer gap or no earlier check: `now` only; after a long gap, armed timed OnDate schedules
//   that passed meanwhile fire once late, as at start-up (recurring ones, warnings and Once
//   schedules of the gap are not replayed);
// - `now` before the last minute examined (the clock set back): `now` only.
// Updates `state` to `now` and the highest recordId of the list.
AlarmCheckResult CheckDueMinutes(ScheduleList& list, const LocalMinute& now, AlarmCheckState& state);

}  // namespace quillet
