#pragma once

#include <functional>

#include "framework/Dialog.h"
#include "schedule/ScheduleFields.h"
#include "time/Gregorian.h"

namespace quillet::win {

// The schedule page of the day dialog: one dated schedule on the day chosen in the calendar,
// added or edited, without recurrence, date, quick times or lead.
class DaySchedulePage final : public Dialog {
 public:
  struct Services {
    ScheduleDialogServices dialogs;
    std::function<const ScheduleRecord*(int recordId)> find;
    std::function<void(ScheduleRecord)> add;
    // False when the record is gone: the edit is then dropped.
    std::function<bool(int recordId, ScheduleRecord)> replace;
    // After OK stored: the host refreshes its list and shows its first page.
    std::function<void()> stored;
  };

  // A child of `host`; nothing when the window cannot be made.
  static WindowPtr<DaySchedulePage> Make(HWND host, const Services& services);

  // A new schedule on `day` at the current time, or the record `recordId` of that day.
  void Begin(const CivilDate& day, int recordId = -1);

 private:
  explicit DaySchedulePage(const Services& services);

  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  void OnOK() override;
  void OnCancel() override {}

  Services services_;
  ScheduleFields fields_{services_.dialogs};
  CivilDate day_;
  int recordId_ = -1;
  ScheduleRecord working_;
};

}  // namespace quillet::win
