#pragma once

#include <optional>
#include <string>

#include "schedule/ScheduleFields.h"

namespace quillet::win {

// "일정 추가" / "일정 수정": edits a copy of `record`, or a new schedule when there is none. With a
// memo's content file the schedule carries that memo (when its file exists) and shows it in place
// of the message. The finished record on OK; nothing on Cancel.
std::optional<ScheduleRecord> EditSchedule(HWND owner, const ScheduleDialogServices& services,
                                           const ScheduleRecord* record, const std::string& memoContentFile = {});

}  // namespace quillet::win
