#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "schedule/MinuteCatchUp.h"

namespace quillet {
namespace {

LocalMinute At(int day, int hour, int minute) { return LocalMinute{CivilDate{2026, 5, day}, hour, minute}; }

ScheduleRecord Named(const char* name, Recurrence recurrence, int hour, int minute, int lead = 0) {
  ScheduleRecord r;
  r.recurrence = recurrence;
  r.year = 2026;
  r.month = 5;
  r.day = 5;
  r.hour = hour;
  r.minute = minute;
  r.leadMinutes = lead;
  r.message = name;
  return r;
}

// The firings by name in order, a warning marked "!".
std::string Names(const ScheduleList& list, const AlarmCheckResult& result) {
  std::string names;
  for (const Firing& firing : result.firings) {
    names += (names.empty() ? "" : " ") + list.Find(firing.recordId)->message;
    if (firing.kind == FireKind::Warning) names += "!";
  }
  return names;
}

TEST(MinuteCatchUp, MissedMinutesSameMinuteAndClockChanges) {
  struct Case {
    const char* what;
    std::optional<LocalMinute> before;  // the check before, if any
    bool addAfterBefore;                // "G" (Daily 09:01) is added after that check
    LocalMinute now;
    const char* fired;
    bool saved;
  };
  const Case cases[] = {
      {"late tick: each missed minute in order", At(5, 9, 0), false, At(5, 9, 4), "B C E! D", true},
      {"five missed minutes are caught up", At(5, 8, 55), false, At(5, 9, 1), "A B", false},
      {"six are a long gap", At(5, 8, 54), false, At(5, 9, 1), "B", false},
      {"long gap: only a passed OnDate, late, then now", At(5, 8, 55), false, At(5, 9, 5), "D F", true},
      {"across midnight", At(5, 23, 58), false, At(6, 0, 1), "H", false},
      {"same minute: only the record added since", At(5, 9, 1), true, At(5, 9, 1), "G", false},
      {"same minute, nothing new", At(5, 9, 3), false, At(5, 9, 3), "", false},
      {"clock set back: now only", At(5, 9, 5), false, At(5, 9, 1), "B", false},
      {"first check: now only", std::nullopt, false, At(5, 9, 4), "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScheduleList list;
    list.Append(Named("A", Recurrence::Daily, 9, 0));
    list.Append(Named("B", Recurrence::Daily, 9, 1));
    list.Append(Named("C", Recurrence::Once, 9, 2));
    list.Append(Named("D", Recurrence::OnDate, 9, 3));
    list.Append(Named("E", Recurrence::Daily, 9, 30, 28));  // warns at 09:02
    list.Append(Named("F", Recurrence::Daily, 9, 5));
    list.Append(Named("H", Recurrence::Daily, 23, 59));
    AlarmCheckState state;
    if (c.before) CheckDueMinutes(list, *c.before, state);
    if (c.addAfterBefore) list.Append(Named("G", Recurrence::Daily, 9, 1));
    const AlarmCheckResult result = CheckDueMinutes(list, c.now, state);
    EXPECT_EQ(Names(list, result), c.fired);
    EXPECT_EQ(result.saveList, c.saved);
    EXPECT_EQ(state.lastExamined->Stamp(), c.now.Stamp());
    // Whatever fired is not shown again by a re-check of the same minute.
    EXPECT_EQ(Names(list, CheckDueMinutes(list, c.now, state)), "");
  }
}

}  // namespace
}  // namespace quillet
