#pragma once

#include <array>
#include <string>

#include "schedule/DateKeys.h"
#include "schedule/ScheduleRecord.h"

namespace quillet {

struct AlarmSettings;

// What the schedule editor's controls hold when OK is pressed.
struct ScheduleForm {
  Recurrence recurrence = Recurrence::Daily;
  CivilDate date;         // the date picker of every recurrence but Period
  CivilDate periodStart;  // the two pickers of a Period
  CivilDate periodEnd;
  int hour = 0;
  int minute = 0;
  TimeMode timeMode = TimeMode::AtTime;
  int weekdayMask = 0;        // the ticked boxes, bit 0 Sunday
  int dayOfMonthItem = 0;     // "1" … "31", "말일"
  int leadItem = 0;           // the "미리 알림" items
  int alertItem = 1;          // the "알람  타입" items
  int imageItem = 0;
  bool isDDay = false;
};

struct EditOutcome {
  bool accepted = false;
  std::string refusal;  // the message that keeps the dialog open
  ScheduleRecord record;
};

// The editor's OK: the working record completed from the form and checked. A dated schedule
// already in the past is accepted but disarmed.
EditOutcome CompleteSchedule(const ScheduleRecord& working, const ScheduleForm& form, const LocalMinute& now);

// The day page of the day dialog: always OnDate on `day`.
EditOutcome CompleteDaySchedule(const ScheduleRecord& working, const CivilDate& day, int hour, int minute,
                                TimeMode timeMode, int alertItem, const LocalMinute& now);

// The memo an edited schedule carries: the memo it is opened for when that memo's file exists
// (none when it is missing), otherwise the one it already had, so an edit from the manager never
// turns a memo schedule into an empty message.
std::string MemoIdForEdit(const std::string& recordMemoId, const std::string& givenMemo, bool givenMemoExists);

// An accepted record's choices become the defaults of the next new one.
void RememberScheduleDefaults(AlarmSettings& alarm, const ScheduleRecord& record);
// The day page remembers only the style and the sound.
void RememberDayScheduleDefaults(AlarmSettings& alarm, const ScheduleRecord& record);

// The "미리 알림" items: 0, 1, 3, 5, 10, 30, 60, 120, 360, 1440, 10080, then −1 … −1440.
constexpr std::array<int, 18> kLeadChoices = {0, 1, 3, 5, 10, 30, 60, 120, 360, 1440, 10080,
                                              -1, -3, -5, -10, -30, -60, -1440};
// The item showing a lead; a lead the list lacks shows "사용 안함" (0).
int LeadItemFor(std::int32_t leadMinutes);
std::int32_t LeadMinutesFor(int item);

// The "알람  타입" item of a style: style + 1, but "알리지 않음" shows as "슬라이드로 알림".
int AlertItemFor(AlertStyle style);

// The quick time items: now, +15 and +30 minutes, +1 … +6 and +12 hours.
LocalMinute QuickTime(int item, const LocalMinute& now);

// "%02d시 %02d분", as the time button shows it.
std::string TimeButtonText(int hour, int minute);

}  // namespace quillet
