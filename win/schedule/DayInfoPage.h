#pragma once

#include <functional>
#include <vector>

#include "calendar/DayViews.h"
#include "controls/GridList.h"
#include "framework/Dialog.h"
#include "schedule/DayDialog.h"

namespace quillet::win {

// The day dialog's information page: the date's anniversaries and schedules, each with pictures
// to edit and delete it (schedules only when dated), and menus on a right click.
class DayInfoPage final : public Dialog {
 public:
  struct Actions {
    std::function<void(int identifier)> editAnniversary;  // −1: a new one
    std::function<void(int recordId)> editSchedule;       // −1: a new one
  };
  static WindowPtr<DayInfoPage> Make(HWND host, const DayDialogServices& services, const CivilDate& date,
                                     Actions actions);
  ~DayInfoPage() override;

  void Refill();

 private:
  DayInfoPage(const DayDialogServices& services, const CivilDate& date, Actions actions);
  bool OnInit() override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void OnCancel() override {}

  void OnAnniversaryCell(int row, int column);
  void OnScheduleCell(int row, int column);
  void DeleteAnniversary(int row);
  void DeleteSchedule(int row);
  void AnniversaryMenu(int row, POINT at);
  void ScheduleMenu(int row, POINT at);

  const DayDialogServices& services_;
  CivilDate date_;
  Actions actions_;
  HIMAGELIST pictures_ = nullptr;  // shared by both grids
  WindowPtr<GridList> anniversaryGrid_;
  WindowPtr<GridList> scheduleGrid_;
  std::vector<int> anniversaryIds_;
  std::vector<DayScheduleRow> schedules_;
};

}  // namespace quillet::win
