#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <vector>

#include "calendar/DayInfoRecord.h"
#include "schedule/NotificationRequest.h"
#include "settings/Settings.h"

namespace quillet {

struct LunarDate;

// Solar: month and day equal. Lunar: the date's lunar month, day and leap flag equal. `lunar`
// is the lunar date of the solar date, or null when it has none (outside the lunar table).
bool AnniversaryFallsOn(const DayInfoRecord& record, int month, int day, const LunarDate* lunar);

// Pointers into `list` (valid while it is unchanged), in list order, to the entries falling on
// the solar date.
std::vector<const DayInfoRecord*> AnniversariesOn(const std::vector<DayInfoRecord>& list, int year, int month, int day);

// The names of the entries on the date joined with "\n", after "(음) %d.%d \n" (the date's lunar
// month and day) when a lunar entry is among them; "" when none falls on it.
std::string AnniversaryDayText(const std::vector<DayInfoRecord>& list, int year, int month, int day);

struct AnniversaryDay {
  bool any = false;                              // at least one entry falls on the day
  bool holiday = false;                          // a holiday entry does
  std::bitset<kAnniversaryMarkCount + 1> marks;  // marks[n] for mark n, 1–11
  std::string text;                              // as AnniversaryDayText
};

// What the calendar meter draws of the anniversaries in one shown month.
struct AnniversaryMonth {
  std::array<AnniversaryDay, 32> days;  // days[1] … days[31]; days past the month stay empty
  const AnniversaryDay& Day(int day) const;
};

// Lunar entries are converted for the lunar years `year` − 1 and `year`; a date that does not
// exist in a lunar year (a missing leap month, a day 30 of a short month) is not shown for it.
AnniversaryMonth AnniversariesOfMonth(const std::vector<DayInfoRecord>& list, int year, int month);

using AnniversaryCategoryNames = std::array<std::string, kAnniversaryCategoryCount>;  // "SpecialDay_0…10"

// The notification when an entry comes round. `style` is the calendar's "AlarmType"; Popup and
// PostIt stay open, the others close after `autoCloseSeconds` ("AutoCloseTime").
NotificationRequest MakeAnniversaryNotification(const DayInfoRecord& entry, const AnniversaryCategoryNames& categories,
                                                AlertStyle style, int autoCloseSeconds);

// The fields of the anniversary editor ("기념일") as the user left them.
struct AnniversaryEditorFields {
  std::string monthText;
  std::string dayText;
  bool lunar = false;  // the calendar combo shows "음력"
  bool leap = false;
  bool holiday = false;
  std::string name;
  int category = 0;  // combo item: 0 none, n category n − 1
};

struct AnniversaryEditorOutcome {
  bool accepted = false;
  std::string refusal;  // the message to show; the dialog stays open
  DayInfoRecord entry;
};

// OK of the editor. Day and month are the absolute values of the fields read as decimal
// integers (non-numbers 0), at most 31 and 12. A name the file cannot hold (empty, with '|' or a
// line break, or too long for a line) is refused with "정보가 없습니다"; a month or day of 0,
// which the next read would drop, with "날짜가 올바르지 않습니다". The entry is filled either way;
// it keeps the identifier of `edited`.
AnniversaryEditorOutcome AcceptAnniversaryEditor(const AnniversaryEditorFields& fields, const DayInfoRecord& edited);

}  // namespace quillet
