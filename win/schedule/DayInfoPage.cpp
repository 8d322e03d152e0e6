#include "schedule/DayInfoPage.h"

#include <commctrl.h>

#include "framework/Menus.h"
#include "framework/ProgramMessageBox.h"
#include "resources/CalendarResources.h"
#include "schedule/AlarmScheduler.h"
#include "widgets/AnniversaryList.h"

namespace quillet::win {

namespace {

constexpr int kPictureWidth = 21;
constexpr int kPictureColumn = 27;
constexpr int kTimeColumn = 60;
enum Picture { kEdit = 0, kDelete = 1, kBlank = 2 };

int GridWidth(HWND grid) {
  RECT client{};
  GetClientRect(grid, &client);
  return client.right;
}

}  // namespace

DayInfoPage::DayInfoPage(const DayDialogServices& services, const CivilDate& date, Actions actions)
    : Dialog(IDD_DAY_INFO_PAGE), services_(services), date_(date), actions_(std::move(actions)) {}

DayInfoPage::~DayInfoPage() {
  anniversaryGrid_.reset();
  scheduleGrid_.reset();
  if (pictures_) ImageList_Destroy(pictures_);
}

WindowPtr<DayInfoPage> DayInfoPage::Make(HWND host, const DayDialogServices& services, const CivilDate& date,
                                         Actions actions) {
  WindowPtr<DayInfoPage> page(new DayInfoPage(services, date, std::move(actions)));
  if (!page->CreateModeless(Modeless{host, false, false})) return nullptr;
  return page;
}

bool DayInfoPage::OnInit() {
  pictures_ = GridList::LoadIcons(services_.dialogs.instance, IDB_DAY_GRID_PICTURES, kPictureWidth);
  const HWND anniversaries = Item(IDC_DAY_ANNIVERSARIES);
  const HWND schedules = Item(IDC_DAY_SCHEDULES);
  anniversaryGrid_.reset(new GridList);
  anniversaryGrid_->Take(anniversaries,
                         {{"기념일", GridWidth(anniversaries) - 2 * kPictureColumn}, {"", kPictureColumn},
                          {"", kPictureColumn}},
                         true);
  scheduleGrid_.reset(new GridList);
  scheduleGrid_->Take(schedules,
                      {{"시간", kTimeColumn}, {"일정", GridWidth(schedules) - kTimeColumn - 2 * kPictureColumn},
                       {"", kPictureColumn}, {"", kPictureColumn}},
                      true);
  for (GridList* grid : {anniversaryGrid_.get(), scheduleGrid_.get()}) grid->SetIcons(pictures_, true);

  anniversaryGrid_->SetRowSource([this](int row) {
    const DayInfoRecord* entry =
        services_.anniversaries ? services_.anniversaries->Find(anniversaryIds_[static_cast<std::size_t>(row)])
                                : nullptr;
    return GridList::Row{{entry ? entry->name : std::string()}, -1, false, {kEdit, kDelete}};
  });
  scheduleGrid_->SetRowSource([this](int row) {
    const DayScheduleRow& schedule = schedules_[static_cast<std::size_t>(row)];
    const int picture = schedule.editable ? kEdit : kBlank;
    return GridList::Row{{schedule.time, schedule.text}, -1, false,
                         {picture, schedule.editable ? kDelete : kBlank}};
  });
  anniversaryGrid_->onCellClick = [this](int row, int column) { OnAnniversaryCell(row, column); };
  scheduleGrid_->onCellClick = [this](int row, int column) { OnScheduleCell(row, column); };
  anniversaryGrid_->onRightClick = [this](int row, POINT at) { AnniversaryMenu(row, at); };
  scheduleGrid_->onRightClick = [this](int row, POINT at) { ScheduleMenu(row, at); };
  Refill();
  return false;
}

void DayInfoPage::Refill() {
  anniversaryIds_.clear();
  if (services_.anniversaries) {
    for (const DayInfoRecord* entry : DayAnniversaries(services_.anniversaries->entries(), date_)) {
      anniversaryIds_.push_back(entry->identifier);
    }
  }
  schedules_ = DayScheduleRows(services_.alarms.list(), date_);
  anniversaryGrid_->SetRowCount(static_cast<int>(anniversaryIds_.size()));
  scheduleGrid_->SetRowCount(static_cast<int>(schedules_.size()));
}

void DayInfoPage::OnAnniversaryCell(int row, int column) {
  if (column == 1) actions_.editAnniversary(anniversaryIds_[static_cast<std::size_t>(row)]);
  if (column == 2) DeleteAnniversary(row);
}

void DayInfoPage::OnScheduleCell(int row, int column) {
  if (!schedules_[static_cast<std::size_t>(row)].editable) return;
  if (column == 2) actions_.editSchedule(schedules_[static_cast<std::size_t>(row)].recordId);
  if (column == 3) DeleteSchedule(row);
}

void DayInfoPage::DeleteAnniversary(int row) {
  if (!services_.anniversaries) return;
  const int identifier = anniversaryIds_[static_cast<std::size_t>(row)];
  if (ShowProgramMessage(hwnd(), "선택된 기념일을 삭제합니까?", MessageKind::Question) != IDYES) return;
  if (services_.anniversaries->Remove(hwnd(), identifier)) services_.anniversariesChanged();
  Refill();
}

void DayInfoPage::DeleteSchedule(int row) {
  const int recordId = schedules_[static_cast<std::size_t>(row)].recordId;
  if (ShowProgramMessage(hwnd(), "선택된 일정을 삭제합니까?", MessageKind::Question) != IDYES) return;
  services_.alarms.Remove(recordId);
  Refill();
}

namespace {

// A grid's menu: add, edit, delete, the last two greyed off the rows. The chosen id or 0.
UINT TrackGridMenu(HWND owner, POINT at, std::initializer_list<std::pair<UINT, const wchar_t*>> items, bool onRow) {
  const OwnedMenu menu(CreatePopupMenu());
  for (const auto& [id, text] : items) {
    AppendMenuW(menu.Get(), MF_STRING | (onRow || id == items.begin()->first ? 0 : MF_GRAYED), id, text);
  }
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  return chosen;
}

}  // namespace

void DayInfoPage::AnniversaryMenu(int row, POINT at) {
  switch (TrackGridMenu(hwnd(), at,
                     {{ID_DAY_ANNIVERSARY_ADD, L"기념일 추가"}, {ID_DAY_ANNIVERSARY_EDIT, L"기념일 수정"},
                      {ID_DAY_ANNIVERSARY_DELETE, L"기념일 삭제"}},
                     row >= 0)) {
    case ID_DAY_ANNIVERSARY_ADD: return actions_.editAnniversary(-1);
    case ID_DAY_ANNIVERSARY_EDIT: return OnAnniversaryCell(row, 1);
    case ID_DAY_ANNIVERSARY_DELETE: return DeleteAnniversary(row);
    default: return;
  }
}

void DayInfoPage::ScheduleMenu(int row, POINT at) {
  const bool dated = row >= 0 && schedules_[static_cast<std::size_t>(row)].editable;
  switch (TrackGridMenu(hwnd(), at,
                     {{ID_DAY_SCHEDULE_ADD, L"일정 추가"}, {ID_DAY_SCHEDULE_EDIT, L"일정 수정"},
                      {ID_DAY_SCHEDULE_DELETE, L"일정 삭제"}},
                     dated)) {
    case ID_DAY_SCHEDULE_ADD: return actions_.editSchedule(-1);
    case ID_DAY_SCHEDULE_EDIT: return OnScheduleCell(row, 2);
    case ID_DAY_SCHEDULE_DELETE: return DeleteSchedule(row);
    default: return;
  }
}

bool DayInfoPage::OnMessage(const Message& message, LRESULT& result) {
  if (message.id != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(message.lParam);
  return (anniversaryGrid_ && anniversaryGrid_->OnNotify(header, result)) ||
         (scheduleGrid_ && scheduleGrid_->OnNotify(header, result));
}

}  // namespace quillet::win
