#pragma once

#include <string>

#include "schedule/ScheduleRecord.h"

namespace quillet {

// One row of the schedule manager's list.
struct ScheduleRow {
  std::string kind;     // "알람 타입"
  std::string time;     // "시간"
  std::string message;  // "Message"
  int icon = 0;         // the recurrence, 7 for a done Once, 8 for a done OnDate
};

ScheduleRow ScheduleRowOf(const ScheduleRecord& record);

// The manager's question before deleting the schedule of a row.
std::string DeleteScheduleQuestion(const std::string& rowMessage);

// The message text of a list or day view: line breaks as "/".
std::string OneLineMessage(const std::string& message);

}  // namespace quillet
