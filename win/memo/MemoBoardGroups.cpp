// The memo board's groups: opening one (its windows in slices), the group menus, changing the
// data folder and moving a memo to another group.
#include "framework/ProgramMessageBox.h"
#include "memo/MemoBoard.h"
#include "memo/MemoGroups.h"
#include "memo/MemoMessages.h"
#include "platform/SystemInfo.h"
#include "platform/Wide.h"
#include "resources/ProgramMessages.h"
#include "settings/DataLocations.h"
#include "settings/SettingsStore.h"
#include "storage/Paths.h"

namespace quillet::win {

namespace {

// What opening a group makes at once; a larger group's other windows come on later turns of the
// loop. A few dozen memos open in one go, as small groups always did.
constexpr DWORD kFirstSliceMilliseconds = 250;

void EmptyMenu(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace

bool MemoBoard::OpenGroup(const std::string& group, bool force) {
  GeneralSettings& general = services_.settings.values().general;
  if (!force && groupOpen_ && PathKey(group) == PathKey(general.memoDbFile)) return true;
  if (group == kTemporaryStorageGroupFile) lists_.EnsureTemporaryStorageGroup(general.dataFolder);
  if (groupOpen_) {
    // Closing the windows now would lose what could not be saved.
    if (!SaveAll()) return true;
    services_.closeGroupDialogs();
    CloseAll();
  }
  entries_.clear();
  std::vector<MemoRecord> records;
  const GroupOpenOutcome outcome =
      OpenGroupList(lists_, services_.files, general.dataFolder, general.memoDbFile, group, true,
                    NewMemoRecord(general), CurrentScreens(), records);
  if (outcome.status == GroupOpenStatus::NoDataFolder) return false;
  general.memoDbFile = outcome.read.groupName;
  groupOpen_ = true;
  listUnwritten_ = false;
  if (outcome.read.status == ListReadStatus::Unreadable) ShowProgramMessage(services_.frame, kMemoOpenFailedMessage);
  // An empty or damaged list was replaced: its memos can be rebuilt from their content files.
  if (outcome.read.status == ListReadStatus::Replaced) PostMessageW(services_.frame, WM_COMMAND, ID_RECOVER_MEMOS, 0);

  shown_ = general.viewMemoOnStart;
  for (MemoRecord& record : records) entries_.push_back(Entry{std::move(record), nullptr, true});
  MakeWaitingWindows(kFirstSliceMilliseconds);
  // A list that could not be read is not an empty group: its memos are there, only out of reach.
  if (entries_.empty() && shown_ && outcome.read.status != ListReadStatus::Unreadable) NewMemo();
  return true;
}

void MemoBoard::MakeWaitingWindows(DWORD milliseconds) {
  if (!services_.continueOpening) milliseconds = kEveryWindow;  // no later turn to wait for
  const ULONGLONG started = GetTickCount64();
  const auto waiting = [this](std::size_t from) {
    for (std::size_t i = from; i < entries_.size(); ++i) {
      if (entries_[i].waiting) return i;
    }
    return entries_.size();
  };
  std::size_t next = waiting(0);
  if (next == entries_.size()) return;
  const bool firstSlice = next == 0;
  while (next < entries_.size()) {
    // Later slices put the user first: a key, a click or another program's question ends them.
    // The first runs its time whatever waits, so a small group opens whole, the focus on its last.
    const bool someoneWaits =
        !firstSlice && HIWORD(GetQueueStatus(QS_INPUT | QS_SENDMESSAGE | QS_POSTMESSAGE)) != 0;
    if (milliseconds != kEveryWindow && (someoneWaits || GetTickCount64() - started >= milliseconds)) {
      bulk_ = false;
      services_.continueOpening();
      return;
    }
    Entry& entry = entries_[next];
    entry.waiting = false;
    const std::size_t after = waiting(next + 1);
    bulk_ = after < entries_.size();
    entry.window = MemoWindow::CreateFromRecord(WindowServices(), entry.record);
    if (entry.window) {
      entry.window->ApplyRecordedZPosition();
      if (shown_) {
        ShowWindow(entry.window->hwnd(), SW_SHOWNOACTIVATE);
        UpdateWindow(entry.window->hwnd());
      }
    }
    next = after;
  }
  bulk_ = false;
  // The last memo takes the focus, unless the user went to another while the later ones came.
  if (entries_.back().window && (firstSlice || !GetFocus())) SetFocus(entries_.back().window->editor().hwnd());
}

void MemoBoard::OpenGroupAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= groupNames_.size()) return;
  if (!OpenGroup(groupNames_[static_cast<std::size_t>(index)], false)) {
    ShowProgramMessage(services_.frame, kProgramCannotRunMessage);
    PostMessageW(services_.frame, WM_CLOSE, 0, 0);
  }
}

// The open group is checked in "다른 그룹 열기" and greyed in "다른그룹으로 보내기".
std::vector<std::string> MemoBoard::FillGroupMenus(HMENU sendTo, HMENU openGroup) {
  const GeneralSettings& general = services_.settings.values().general;
  std::vector<std::string> groupNames = MenuGroupFiles(services_.files, general.dataFolder);
  if (openGroup) groupNames_ = groupNames;
  for (const auto& [menu, first] : {std::pair{sendTo, ID_MEMO_SEND_FIRST}, std::pair{openGroup, ID_OPEN_GROUP_FIRST}}) {
    if (!menu) continue;
    EmptyMenu(menu);
    for (std::size_t i = 0; i < groupNames.size(); ++i) {
      const std::string& name = groupNames[i];
      if (i + 1 == groupNames.size()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      const std::wstring text = WidenCp949(GroupDisplayName(name));
      const UINT mark = !IsOpenGroup(name, general.memoDbFile) ? MF_ENABLED
                        : menu == sendTo                        ? MF_GRAYED
                                                                : MF_CHECKED;
      AppendMenuW(menu, MF_STRING | mark, static_cast<UINT_PTR>(first) + i, text.c_str());
    }
  }
  return groupNames;
}

void MemoBoard::ChangeDataFolder(const std::string& folder, const std::string& group) {
  services_.closeGroupDialogs();
  CloseAll();
  entries_.clear();
  groupOpen_ = false;
  // The stored folder too: the next start opens the memos made here.
  GeneralSettings& general = services_.settings.values().general;
  general.dataFolder = general.memoDbFolder = folder;
  if (!OpenGroup(group, true)) {
    ShowProgramMessage(services_.frame, kProgramCannotRunMessage);
    PostMessageW(services_.frame, WM_CLOSE, 0, 0);
  }
}

void MemoBoard::MoveToGroup(HWND memo, const std::string& groupFile) { MoveToGroup(IndexOf(memo), groupFile); }

void MemoBoard::MoveToGroup(std::size_t index, const std::string& group) {
  if (index >= entries_.size()) return;
  const GeneralSettings& general = services_.settings.values().general;
  if (group == kTemporaryStorageGroupFile) lists_.EnsureTemporaryStorageGroup(general.dataFolder);
  // Text that could not be saved stays with its window. A box shown here ran a message loop, in
  // which the group may have changed: the memo is found again by its window.
  if (!entries_[index].window) return;
  const HWND memo = entries_[index].window->hwnd();
  if (!SaveChanged(true, Report::Failures)) return;
  index = IndexOf(memo);
  if (index >= entries_.size()) return;
  std::vector<MemoRecord> records = Records();
  const MoveOutcome outcome = MoveMemoToGroupList(lists_, general.dataFolder, general.memoDbFile, records, index,
                                                  group, NewMemoRecord(general), CurrentScreens());
  switch (outcome.status) {
    case MoveStatus::Moved:
    case MoveStatus::SourceSaveFailed:
      entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
      break;
    case MoveStatus::TargetUnreadable:
    case MoveStatus::TargetSaveFailed:
      ShowProgramMessage(services_.frame, kMemoSaveFailedMessage);
      return;
    case MoveStatus::SameGroup:
    case MoveStatus::NoSuchMemo:
      return;
  }
  if (outcome.status == MoveStatus::SourceSaveFailed) ShowProgramMessage(services_.frame, kMemoSaveFailedMessage);
  ReportSavedElsewhere(outcome.unsaved, Report::Failures);
  if (!outcome.warning.empty()) ShowProgramMessage(services_.frame, outcome.warning);
}

}  // namespace quillet::win
