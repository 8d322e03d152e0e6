#pragma once

#include <functional>

#include "controls/GridList.h"
#include "framework/Dialog.h"
#include "schedule/ScheduleFields.h"

namespace quillet::win {

class AlarmScheduler;

// "일정 관리": every schedule in a list, with add, edit, delete, the purge of expired schedules and
// the choice of the alarm file. Made once, hidden when closed, refilled whenever the schedules
// change while it shows.
class ScheduleManagerDialog final : public Dialog {
 public:
  struct Services {
    ScheduleDialogServices dialogs;
    AlarmScheduler& alarms;
    std::function<void()> redrawCalendar;
  };
  // Nothing when the window cannot be made.
  static WindowPtr<ScheduleManagerDialog> Make(HWND owner, const Services& services);

  // Shown in the middle of the screen, on top, in the foreground.
  void Present();
  void Hide();
  // The schedules changed: refilled now when shown, else when next shown.
  void Refresh();

 private:
  explicit ScheduleManagerDialog(const Services& services);

  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void OnOK() override;
  void OnCancel() override { Hide(); }

  void Refill();
  void Add();
  void EditSelected();
  void DeleteSelected();
  void Purge();
  void ChooseFile();
  void Select(int recordId);

  Services services_;
  WindowPtr<GridList> grid_;
  int selectedRecordId_ = -1;
  bool stale_ = false;
  bool placed_ = false;
};

}  // namespace quillet::win
