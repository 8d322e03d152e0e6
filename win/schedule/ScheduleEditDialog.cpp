#include "schedule/ScheduleEditDialog.h"

#include <commctrl.h>
#include <richedit.h>

#include "controls/DateEdit.h"
#include "framework/Dialog.h"
#include "framework/ProgramMessageBox.h"
#include "framework/Screen.h"
#include "memo/MemoWindow.h"
#include "memo/MemoListStore.h"
#include "memo/RtfStream.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "resources/ScheduleResources.h"
#include "schedule/ScheduleEditing.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

constexpr COLORREF kMemoViewGrey = RGB(198, 198, 198);
constexpr int kMondayToFriday = 0x3E;
constexpr int kSundayAndSaturday = 0x41;

class ScheduleEditDialog final : public Dialog {
 public:
  ScheduleEditDialog(const ScheduleDialogServices& services, const ScheduleRecord* record,
                     const std::string& memoContentFile)
      : Dialog(IDD_SCHEDULE_EDIT),
        services_(services),
        editing_(record != nullptr),
        working_(record ? *record : NewScheduleRecord(services.settings.values().alarm)) {
    const std::optional<std::string> memoPath =
        ContentFilePath(services.settings.values().general.dataFolder, memoContentFile);
    const bool memoExists = memoPath && services.files.FileExists(*memoPath);
    working_.memoId = MemoIdForEdit(working_.memoId, memoContentFile, memoExists);
  }

  std::optional<ScheduleRecord> result;

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void OnOK() override;

  LocalMinute Now() const { return ToLocalMinute(services_.clock.Now()); }
  void ShowMemo();
  void ShowDates(const LocalMinute& now);
  void SetRecurrence(Recurrence recurrence);
  Recurrence CurrentRecurrence() const;
  void TickWeekdays(int mask);
  int TickedWeekdays() const;
  void EnableLead();
  void ApplyQuickTime(int item);
  CivilDate PickerDate(const DateEdit& picker) const;

  const ScheduleDialogServices& services_;
  const bool editing_;
  ScheduleRecord working_;
  ScheduleFields fields_{services_};
  DateEdit date_, periodStart_, periodEnd_;
};

bool ScheduleEditDialog::OnInit() {
  fields_.onTimePicked = [this] { EnableLead(); };
  date_.Take(Item(IDC_DATE));
  periodStart_.Take(Item(IDC_PERIOD_START));
  periodEnd_.Take(Item(IDC_PERIOD_END));
  const LocalMinute now = Now();

  fields_.Attach(hwnd());
  fields_.Show(working_);
  const int leadItem = LeadItemFor(working_.leadMinutes);
  working_.leadMinutes = LeadMinutesFor(leadItem);
  AddComboItems(Item(IDC_LEAD), {"사용 안함", "1 분 전", "3 분 전", "5 분 전", "10 분 전", "30 분 전", "1 시간 전",
                                 "2 시간 전", "6 시간 전", "하루 전", "일주일 전", "1 분 후", "3 분 후", "5 분 후",
                                 "10 분 후", "30 분 후", "1 시간 후", "하루 후"});
  SendMessageW(Item(IDC_LEAD), CB_SETCURSEL, static_cast<WPARAM>(leadItem), 0);
  EnableLead();
  AddComboItems(Item(IDC_QUICK_TIME), {"현재 시간으로", "15분 뒤로", "30분 뒤로", "1시간 뒤로", "2시간 뒤로",
                                       "3시간 뒤로", "4시간 뒤로", "5시간 뒤로", "6시간 뒤로", "12시간 뒤로"});
  for (int day = 1; day <= 31; ++day) {
    SendMessageW(Item(IDC_DAY_OF_MONTH), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(day).c_str()));
  }
  AddComboItems(Item(IDC_DAY_OF_MONTH), {"말일"});
  ShowMemo();

  SetRecurrence(working_.recurrence);
  ShowDates(now);
  SetControlText(hwnd(), editing_ ? "일정 수정" : "일정 추가");
  SetControlText(Item(IDOK), editing_ ? "수정" : "추가");
  if (!editing_) fields_.SetTime(now.hour, now.minute);
  CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
  SetForegroundWindow(hwnd());
  return true;
}

// A memo schedule shows its memo instead of a message, and alerts by the memo itself.
void ScheduleEditDialog::ShowMemo() {
  const bool withMemo = !working_.memoId.empty();
  ShowWindow(Item(IDC_MESSAGE), withMemo ? SW_HIDE : SW_SHOW);
  ShowWindow(Item(IDC_MEMO_VIEW), withMemo ? SW_SHOW : SW_HIDE);
  ShowWindow(Item(IDC_MEMO_FIND), withMemo ? SW_SHOW : SW_HIDE);
  if (!withMemo) return;
  EnableWindow(Item(IDC_ALERT_STYLE), FALSE);
  const HWND view = Item(IDC_MEMO_VIEW);
  SendMessageW(view, EM_SETBKGNDCOLOR, 0, kMemoViewGrey);
  const std::optional<std::string> path =
      ContentFilePath(services_.settings.values().general.dataFolder, working_.memoId);
  std::string rtf;
  if (path && services_.files.ReadFile(*path, rtf) == ReadOutcome::Ok) StreamInRtf(view, rtf);
}

void ScheduleEditDialog::ShowDates(const LocalMinute& now) {
  const CivilDate recordDate{working_.year, working_.month, working_.day};
  const auto set = [&](DateEdit& picker, const CivilDate& date) {
    if (!picker.Set(date)) picker.Set(now.date);
  };
  int dayItem = now.date.day - 1;
  if (!editing_) {
    set(date_, now.date);
    set(periodStart_, now.date);
    set(periodEnd_, now.date);
  } else if (working_.recurrence == Recurrence::OnDate) {
    set(date_, recordDate);
    set(periodStart_, recordDate);
    set(periodEnd_, recordDate);
  } else if (working_.recurrence == Recurrence::Period) {
    set(date_, recordDate);
    set(periodStart_, recordDate);
    set(periodEnd_, working_.endDateCode != 0 ? DateFromCode(working_.endDateCode) : recordDate);
  } else {
    set(date_, now.date);
    set(periodStart_, recordDate);
    set(periodEnd_, recordDate);
  }
  if (editing_ && working_.recurrence == Recurrence::Weekdays) TickWeekdays(working_.dayPattern);
  if (editing_ && working_.recurrence == Recurrence::MonthDay && working_.dayPattern >= 1 &&
      working_.dayPattern <= kLastDayOfMonth) {
    dayItem = working_.dayPattern - 1;
  }
  SendMessageW(Item(IDC_DAY_OF_MONTH), CB_SETCURSEL, static_cast<WPARAM>(dayItem), 0);
}

void ScheduleEditDialog::SetRecurrence(Recurrence recurrence) {
  const int index = recurrence >= Recurrence::Daily && recurrence <= Recurrence::MonthDay ? static_cast<int>(recurrence) : 0;
  CheckRadioButton(hwnd(), IDC_RECURRENCE_FIRST, IDC_RECURRENCE_LAST, IDC_RECURRENCE_FIRST + index);
}

Recurrence ScheduleEditDialog::CurrentRecurrence() const {
  for (int id = IDC_RECURRENCE_FIRST; id <= IDC_RECURRENCE_LAST; ++id) {
    if (IsDlgButtonChecked(hwnd(), id) == BST_CHECKED) return static_cast<Recurrence>(id - IDC_RECURRENCE_FIRST);
  }
  return Recurrence::Daily;
}

void ScheduleEditDialog::TickWeekdays(int mask) {
  for (int day = 0; day < 7; ++day) {
    CheckDlgButton(hwnd(), IDC_WEEKDAY_FIRST + day, (mask >> day) & 1 ? BST_CHECKED : BST_UNCHECKED);
  }
}

int ScheduleEditDialog::TickedWeekdays() const {
  int mask = 0;
  for (int day = 0; day < 7; ++day) {
    if (IsDlgButtonChecked(hwnd(), IDC_WEEKDAY_FIRST + day) == BST_CHECKED) mask |= 1 << day;
  }
  return mask;
}

// "미리 알림" means something only for a schedule at a set time.
void ScheduleEditDialog::EnableLead() {
  EnableWindow(Item(IDC_LEAD), fields_.Mode() == TimeMode::AtTime);
}

// The quick times move the date too: "12시간 뒤로" in the evening is tomorrow morning.
void ScheduleEditDialog::ApplyQuickTime(int item) {
  const LocalMinute time = QuickTime(item, Now());
  fields_.SetTime(time.hour, time.minute);
  date_.Set(time.date);
}

CivilDate ScheduleEditDialog::PickerDate(const DateEdit& picker) const {
  return picker.Get().value_or(Now().date);
}

void ScheduleEditDialog::OnCommand(UINT id, UINT notification) {
  if (fields_.OnCommand(id, notification)) return;
  if (id >= IDC_WEEKDAY_FIRST && id <= IDC_WEEKDAY_LAST && notification == BN_CLICKED) {
    SetRecurrence(Recurrence::Weekdays);
    return;
  }
  if (id >= IDC_TIME_MODE_FIRST && id <= IDC_TIME_MODE_LAST && notification == BN_CLICKED) {
    EnableLead();
    return;
  }
  switch (id) {
    case IDC_WORKDAYS:
    case IDC_WEEKEND:
      if (notification != BN_CLICKED) return;
      TickWeekdays(id == IDC_WORKDAYS ? kMondayToFriday : kSundayAndSaturday);
      SetRecurrence(Recurrence::Weekdays);
      return;
    case IDC_DAY_OF_MONTH:
      if (notification == CBN_SELCHANGE) SetRecurrence(Recurrence::MonthDay);
      return;
    case IDC_DDAY:
      if (notification == BN_CLICKED && IsDlgButtonChecked(hwnd(), IDC_DDAY) == BST_CHECKED) {
        SetRecurrence(Recurrence::OnDate);
      }
      return;
    case IDC_QUICK_TIME:
      if (notification == CBN_SELCHANGE) {
        ApplyQuickTime(static_cast<int>(SendMessageW(Item(IDC_QUICK_TIME), CB_GETCURSEL, 0, 0)));
      }
      return;
    case IDC_TIME_NOW:
      if (notification != BN_CLICKED) return;
      ApplyQuickTime(0);
      SendMessageW(Item(IDC_QUICK_TIME), CB_SETCURSEL, 0, 0);
      return;
    case IDC_MEMO_FIND:
      if (notification != BN_CLICKED) return;
      if (MemoWindow* memo = services_.findMemo(working_.memoId)) {
        ShowWindow(memo->hwnd(), SW_SHOW);
        SetWindowPos(memo->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      return;
    default:
      Dialog::OnCommand(id, notification);
  }
}

bool ScheduleEditDialog::OnMessage(const Message& message, LRESULT& reply) {
  if (message.id != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(message.lParam);
  if (date_.IsUserChange(header)) {
    SetRecurrence(Recurrence::OnDate);
  } else if (periodStart_.IsUserChange(header) || periodEnd_.IsUserChange(header)) {
    SetRecurrence(Recurrence::Period);
  } else {
    return false;
  }
  reply = 0;
  return true;
}

void ScheduleEditDialog::OnOK() {
  ScheduleForm form;
  form.recurrence = CurrentRecurrence();
  form.date = PickerDate(date_);
  form.periodStart = PickerDate(periodStart_);
  form.periodEnd = PickerDate(periodEnd_);
  form.hour = fields_.hour();
  form.minute = fields_.minute();
  form.timeMode = fields_.Mode();
  form.weekdayMask = TickedWeekdays();
  const auto dayItem = static_cast<int>(SendMessageW(Item(IDC_DAY_OF_MONTH), CB_GETCURSEL, 0, 0));
  form.dayOfMonthItem = dayItem == CB_ERR ? 0 : dayItem;
  const auto leadItem = static_cast<int>(SendMessageW(Item(IDC_LEAD), CB_GETCURSEL, 0, 0));
  form.leadItem = leadItem == CB_ERR ? 0 : leadItem;
  form.alertItem = fields_.AlertItem();
  form.isDDay = IsDlgButtonChecked(hwnd(), IDC_DDAY) == BST_CHECKED;
  fields_.ReadInto(working_);
  form.imageItem = working_.imageIndex;

  const EditOutcome outcome = CompleteSchedule(working_, form, Now());
  if (!outcome.accepted) {
    ShowProgramMessage(hwnd(), outcome.refusal);
    return;
  }
  RememberScheduleDefaults(services_.settings.values().alarm, outcome.record);
  result = outcome.record;
  End(IDOK);
}

}  // namespace

std::optional<ScheduleRecord> EditSchedule(HWND owner, const ScheduleDialogServices& services,
                                           const ScheduleRecord* record, const std::string& memoContentFile) {
  ScheduleEditDialog dialog(services, record, memoContentFile);
  if (dialog.RunModal(owner) != IDOK) return std::nullopt;
  return dialog.result;
}

}  // namespace quillet::win
