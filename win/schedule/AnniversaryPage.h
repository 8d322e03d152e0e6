#pragma once

#include <functional>

#include "framework/Dialog.h"
#include "schedule/DayDialog.h"

namespace quillet {
struct CalendarSettings;
}

namespace quillet::win {

// "표시없음" and the eleven category names ("SpecialDay_0" …), for the category combos.
void FillCategoryCombo(HWND combo, const CalendarSettings& calendar);

// The day dialog's anniversary page: a new entry for the date, or one of its entries edited.
class AnniversaryPage final : public Dialog {
 public:
  // `stored`: after OK kept the entry.
  static WindowPtr<AnniversaryPage> Make(HWND host, const DayDialogServices& services, const CivilDate& date,
                                         std::function<void()> stored);

  // A new entry (−1) or the entry `identifier`.
  void Begin(int identifier);

 private:
  AnniversaryPage(const DayDialogServices& services, const CivilDate& date, std::function<void()> stored);
  bool OnInit() override;
  void OnOK() override;
  void OnCancel() override { Begin(-1); }

  const DayDialogServices& services_;
  CivilDate date_;
  std::function<void()> stored_;
  int identifier_ = -1;
  bool firstEntry_ = true;
};

}  // namespace quillet::win
