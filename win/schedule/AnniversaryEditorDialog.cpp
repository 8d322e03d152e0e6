#include "schedule/AnniversaryEditorDialog.h"

#include "calendar/Anniversaries.h"
#include "framework/Dialog.h"
#include "framework/ProgramMessageBox.h"
#include "ports/Clock.h"
#include "resources/CalendarResources.h"
#include "schedule/AnniversaryPage.h"
#include "schedule/DateKeys.h"
#include "schedule/ScheduleFields.h"
#include "settings/Settings.h"

namespace quillet::win {

namespace {

class AnniversaryEditorDialog final : public Dialog {
 public:
  AnniversaryEditorDialog(const CalendarSettings& calendar, const Clock& clock, const DayInfoRecord* edited)
      : Dialog(IDD_ANNIVERSARY_EDITOR), calendar_(calendar), clock_(clock) {
    if (edited) edited_ = *edited;
  }

  std::optional<DayInfoRecord> result;

 private:
  bool OnInit() override {
    DayInfoRecord shown;
    if (edited_) {
      shown = *edited_;
    } else {
      const LocalMinute today = ToLocalMinute(clock_.Now());
      shown.month = today.date.month;
      shown.day = today.date.day;
    }
    SetControlText(Item(IDC_ANNIVERSARY_MONTH), std::to_string(shown.month));
    SetControlText(Item(IDC_ANNIVERSARY_DAY), std::to_string(shown.day));
    AddComboItems(Item(IDC_ANNIVERSARY_CALENDAR), {"양력", "음력"});
    SendMessageW(Item(IDC_ANNIVERSARY_CALENDAR), CB_SETCURSEL, shown.lunar ? 1 : 0, 0);
    CheckDlgButton(hwnd(), IDC_ANNIVERSARY_LEAP, shown.leap ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd(), IDC_ANNIVERSARY_HOLIDAY, shown.holiday ? BST_CHECKED : BST_UNCHECKED);
    SetControlText(Item(IDC_ANNIVERSARY_NAME), shown.name);
    FillCategoryCombo(Item(IDC_ANNIVERSARY_CATEGORY), calendar_);
    SendMessageW(Item(IDC_ANNIVERSARY_CATEGORY), CB_SETCURSEL, static_cast<WPARAM>(shown.image), 0);
    SetControlText(Item(IDOK), edited_ ? "수정" : "추가");
    return true;
  }

  void OnOK() override {
    AnniversaryEditorFields fields;
    fields.monthText = ControlText(Item(IDC_ANNIVERSARY_MONTH));
    fields.dayText = ControlText(Item(IDC_ANNIVERSARY_DAY));
    fields.lunar = SendMessageW(Item(IDC_ANNIVERSARY_CALENDAR), CB_GETCURSEL, 0, 0) == 1;
    fields.leap = IsDlgButtonChecked(hwnd(), IDC_ANNIVERSARY_LEAP) == BST_CHECKED;
    fields.holiday = IsDlgButtonChecked(hwnd(), IDC_ANNIVERSARY_HOLIDAY) == BST_CHECKED;
    fields.name = ControlText(Item(IDC_ANNIVERSARY_NAME));
    const auto category = static_cast<int>(SendMessageW(Item(IDC_ANNIVERSARY_CATEGORY), CB_GETCURSEL, 0, 0));
    fields.category = category == CB_ERR ? 0 : category;
    AnniversaryEditorOutcome outcome = AcceptAnniversaryEditor(fields, edited_ ? *edited_ : DayInfoRecord{});
    if (!outcome.accepted) {
      ShowProgramMessage(hwnd(), outcome.refusal);
      return;
    }
    result = std::move(outcome.entry);
    End(IDOK);
  }

  const CalendarSettings& calendar_;
  const Clock& clock_;
  // A copy: the list it came from may change while the dialog is up (a day dialog of the calendar).
  std::optional<DayInfoRecord> edited_;
};

}  // namespace

std::optional<DayInfoRecord> EditAnniversary(HWND owner, const CalendarSettings& calendar, const Clock& clock,
                                             const DayInfoRecord* edited) {
  AnniversaryEditorDialog dialog(calendar, clock, edited);
  if (dialog.RunModal(owner) != IDOK) return std::nullopt;
  return dialog.result;
}

}  // namespace quillet::win
