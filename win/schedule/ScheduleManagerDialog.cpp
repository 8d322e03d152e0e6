#include "schedule/ScheduleManagerDialog.h"

#include <commctrl.h>

#include "controls/FileBoxes.h"
#include "framework/ProgramMessageBox.h"
#include "framework/Screen.h"
#include "resources/ScheduleResources.h"
#include "schedule/AlarmScheduler.h"
#include "schedule/ScheduleEditDialog.h"
#include "schedule/ScheduleTexts.h"

namespace quillet::win {

namespace {

constexpr int kIconSize = 20;
constexpr int kKindWidth = 180;
constexpr int kTimeWidth = 70;

}  // namespace

ScheduleManagerDialog::ScheduleManagerDialog(const Services& services)
    : Dialog(IDD_SCHEDULE_MANAGER), services_(services) {}

WindowPtr<ScheduleManagerDialog> ScheduleManagerDialog::Make(HWND owner, const Services& services) {
  WindowPtr<ScheduleManagerDialog> dialog(new ScheduleManagerDialog(services));
  if (!dialog->CreateModeless(Modeless{owner, false, true})) return nullptr;
  return dialog;
}

bool ScheduleManagerDialog::OnInit() {
  // The message column fills what is left once the list scrolls, so no horizontal bar appears.
  RECT client{};
  GetClientRect(Item(IDC_SCHEDULE_GRID), &client);
  const int messageWidth = client.right - GetSystemMetrics(SM_CXVSCROLL) - kKindWidth - kTimeWidth;
  grid_.reset(new GridList);
  grid_->Take(Item(IDC_SCHEDULE_GRID), {{"알람 타입", kKindWidth}, {"시간", kTimeWidth}, {"Message", messageWidth}});
  grid_->SetIcons(GridList::LoadIcons(services_.dialogs.instance, IDB_SCHEDULE_KINDS, kIconSize), false);
  grid_->SetRowSource([this](int index) {
    const std::vector<ScheduleRecord>& records = services_.alarms.list().records();
    if (static_cast<std::size_t>(index) >= records.size()) return GridList::Row{};
    ScheduleRow row = ScheduleRowOf(records[static_cast<std::size_t>(index)]);
    return GridList::Row{{std::move(row.kind), std::move(row.time), std::move(row.message)}, row.icon, row.icon >= 7, {}};
  });
  grid_->onDoubleClick = [this](int) { EditSelected(); };
  grid_->onSelected = [this](int row) {
    const std::vector<ScheduleRecord>& records = services_.alarms.list().records();
    selectedRecordId_ = row >= 0 && static_cast<std::size_t>(row) < records.size()
                            ? records[static_cast<std::size_t>(row)].recordId
                            : -1;
  };
  Refill();
  return true;
}

// Centred the first time; later it comes back where the user left it.
void ScheduleManagerDialog::Present() {
  if (stale_) Refill();
  if (!placed_) {
    CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
    placed_ = true;
  } else {
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void ScheduleManagerDialog::Hide() {
  ShowWindow(hwnd(), SW_HIDE);
}

void ScheduleManagerDialog::Refresh() {
  if (IsWindowVisible(hwnd())) {
    Refill();
  } else {
    stale_ = true;
  }
}

// The selection follows its record, wherever the change moved it.
void ScheduleManagerDialog::Refill() {
  stale_ = false;
  const int selected = selectedRecordId_;
  grid_->SetRowCount(static_cast<int>(services_.alarms.list().size()));
  Select(selected);
  SetControlText(Item(IDC_ALARM_FILE), services_.alarms.FilePath());
}

void ScheduleManagerDialog::Select(int recordId) {
  const std::vector<ScheduleRecord>& records = services_.alarms.list().records();
  for (std::size_t row = 0; row < records.size(); ++row) {
    if (records[row].recordId == recordId) return grid_->Select(static_cast<int>(row));
  }
}

void ScheduleManagerDialog::Add() {
  if (std::optional<ScheduleRecord> record = EditSchedule(hwnd(), services_.dialogs, nullptr)) {
    Select(services_.alarms.Append(std::move(*record)));
  }
}

void ScheduleManagerDialog::EditSelected() {
  const int recordId = selectedRecordId_;
  const ScheduleRecord* found = services_.alarms.list().Find(recordId);
  if (!found) return;
  const ScheduleRecord copy = *found;
  if (std::optional<ScheduleRecord> record = EditSchedule(hwnd(), services_.dialogs, &copy)) {
    Select(services_.alarms.Store(recordId, std::move(*record)));
  }
}

void ScheduleManagerDialog::DeleteSelected() {
  const int recordId = selectedRecordId_;
  const ScheduleRecord* record = services_.alarms.list().Find(recordId);
  if (!record) return;
  const std::string question = DeleteScheduleQuestion(ScheduleRowOf(*record).message);
  if (ShowProgramMessage(hwnd(), question, MessageKind::Question) != IDYES) return;
  services_.alarms.Remove(recordId);
}

void ScheduleManagerDialog::Purge() {
  if (ShowProgramMessage(hwnd(), "체크 시간이 지난 일정을 삭제하시겠습니까", MessageKind::Question) != IDYES) return;
  services_.alarms.PurgeExpired();
}

void ScheduleManagerDialog::ChooseFile() {
  const std::optional<std::string> chosen =
      AskOpenPath(hwnd(), FileBoxRequest{"Alarm Files(*.*) ", L"*.*", services_.alarms.FilePath()});
  if (chosen) services_.alarms.SwitchFile(hwnd(), *chosen);
}

void ScheduleManagerDialog::OnOK() {
  if (services_.redrawCalendar) services_.redrawCalendar();
  Hide();
}

void ScheduleManagerDialog::OnCommand(UINT id, UINT notification) {
  if (notification != BN_CLICKED) return Dialog::OnCommand(id, notification);
  switch (id) {
    case IDC_SCHEDULE_ADD: return Add();
    case IDC_SCHEDULE_CHANGE: return EditSelected();
    case IDC_SCHEDULE_DELETE: return DeleteSelected();
    case IDC_SCHEDULE_PURGE: return Purge();
    case IDC_ALARM_FILE_FIND: return ChooseFile();
    default: return Dialog::OnCommand(id, notification);
  }
}

bool ScheduleManagerDialog::OnMessage(const Message& message, LRESULT& result) {
  if (message.id != WM_NOTIFY || !grid_) return false;
  return grid_->OnNotify(*reinterpret_cast<const NMHDR*>(message.lParam), result);
}

}  // namespace quillet::win
