#include "schedule/DaySchedulePage.h"

#include "framework/ProgramMessageBox.h"
#include "ports/Clock.h"
#include "resources/ScheduleResources.h"
#include "schedule/ScheduleEditing.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

DaySchedulePage::DaySchedulePage(const Services& services)
    : Dialog(IDD_DAY_SCHEDULE_PAGE), services_(services) {}

WindowPtr<DaySchedulePage> DaySchedulePage::Make(HWND host, const Services& services) {
  WindowPtr<DaySchedulePage> page(new DaySchedulePage(services));
  if (!page->CreateModeless(Modeless{host, false, false})) return nullptr;
  return page;
}

bool DaySchedulePage::OnInit() {
  fields_.Attach(hwnd());
  return true;
}

void DaySchedulePage::Begin(const CivilDate& day, int recordId) {
  day_ = day;
  const ScheduleRecord* found = recordId >= 0 ? services_.find(recordId) : nullptr;
  recordId_ = found ? recordId : -1;
  working_ = found ? *found : NewScheduleRecord(services_.dialogs.settings.values().alarm);
  if (!found) {
    const LocalMinute now = ToLocalMinute(services_.dialogs.clock.Now());
    working_.hour = now.hour;
    working_.minute = now.minute;
  }
  fields_.Show(working_);
  SetControlText(Item(IDOK), found ? "수정" : "추가");
}

void DaySchedulePage::OnCommand(UINT id, UINT notification) {
  if (!fields_.OnCommand(id, notification)) Dialog::OnCommand(id, notification);
}

void DaySchedulePage::OnOK() {
  fields_.ReadInto(working_);
  const EditOutcome outcome =
      CompleteDaySchedule(working_, day_, fields_.hour(), fields_.minute(), fields_.Mode(), fields_.AlertItem(),
                          ToLocalMinute(services_.dialogs.clock.Now()));
  if (!outcome.accepted) {
    ShowProgramMessage(hwnd(), outcome.refusal);
    return;
  }
  RememberDayScheduleDefaults(services_.dialogs.settings.values().alarm, outcome.record);
  if (recordId_ >= 0) {
    services_.replace(recordId_, outcome.record);
  } else {
    services_.add(outcome.record);
  }
  if (services_.stored) services_.stored();
}

}  // namespace quillet::win
