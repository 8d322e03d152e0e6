#pragma once

#include <optional>

#include "calendar/DayInfoRecord.h"
#include "platform/WinApi.h"

namespace quillet {
struct CalendarSettings;
class Clock;
}  // namespace quillet

namespace quillet::win {

// "기념일": one anniversary's month, day, calendar, leap month, holiday, name and category, for
// the calendar's preferences. A new entry starts on today; `edited` (copied at once) is changed
// otherwise. The finished entry on OK (it keeps the edited one's identifier); nothing on Cancel.
std::optional<DayInfoRecord> EditAnniversary(HWND owner, const CalendarSettings& calendar, const Clock& clock,
                                             const DayInfoRecord* edited);

}  // namespace quillet::win
