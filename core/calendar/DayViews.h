#pragma once

#include <string>
#include <vector>

#include "calendar/DayInfoRecord.h"
#include "settings/SettingModes.h"
#include "time/Gregorian.h"

namespace quillet {

class ScheduleList;

// " 음력: %d년 %d월 %d일 ", or with " (윤달)" before the last space in a leap month, of the date's
// lunar date taken at hour 0; "" outside the lunar table.
std::string LunarLine(const CivilDate& date);

// The day dialog's title: " %d년 %d월 %d일 ".
std::string DayDialogTitle(const CivilDate& date);

enum class DayPage { Information, Schedule, Anniversary };
// The page the day dialog opens on: 0 the information page, −1 the information page when the date
// has an anniversary, an OnDate schedule on it or a Period covering it and else the schedule
// page, any other value the schedule page.
DayPage DayDialogPage(int wanted, const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules,
                      const CivilDate& date);

// One schedule of a day as the balloon and the information page list it (the schedules of a day
// in list order): "하루종일" or "%02d:%02d", and "[Memo Data]" or the one-line message.
struct DayScheduleRow {
  std::string time;
  std::string text;
  int recordId = -1;
  bool editable = false;  // OnDate: the information page offers edit and delete
};
std::vector<DayScheduleRow> DayScheduleRows(const ScheduleList& schedules, const CivilDate& date);

// The information page's anniversary rows: the entries falling on the date, in list order.
std::vector<const DayInfoRecord*> DayAnniversaries(const std::vector<DayInfoRecord>& anniversaries,
                                                   const CivilDate& date);

// The balloon over a calendar day.
struct DayBalloon {
  std::string title;              // "%d년 %d월 %d일"
  std::string anniversaryHeader;  // "%d월 %d일 (음력: %d월 %d일)", "… 윤달)" in a leap month
  std::string anniversaryRow;     // "[ name ] " of every entry, then of every public holiday whose
                                  // name no entry repeats
  std::vector<DayScheduleRow> schedules;  // one row " " / "일정이 없습니다." when none
};
DayBalloon DayBalloonOf(const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules,
                        const CivilDate& date);

// "ShowToolTip": when something is on: the date has anniversaries, a public holiday or schedules
// of the day.
bool ShowsDayBalloon(DayTips showToolTip, const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules,
                     const CivilDate& date);

}  // namespace quillet
