#include "memo/MemoBoard.h"

#include <algorithm>

#include "framework/ProgramMessageBox.h"
#include "memo/Arranging.h"
#include "memo/MemoGroups.h"
#include "memo/MemoMessages.h"
#include "memo/MemoTimes.h"
#include "memo/PanelZOrder.h"
#include "memo/PictureRtf.h"
#include "memo/RecycleBin.h"
#include "memo/RtfStream.h"
#include "platform/ShellOpen.h"
#include "platform/SystemInfo.h"
#include "platform/Wide.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "resources/MemoResources.h"
#include "resources/ProgramMessages.h"
#include "resources/resource.h"
#include "settings/DataLocations.h"
#include "settings/SettingsStore.h"
#include "storage/Paths.h"

namespace quillet::win {

namespace {

// What opening a group makes at once; a larger group's other windows come on later turns of the
// loop. A few dozen memos open in one go, as small groups always did.
constexpr DWORD kFirstSliceMilliseconds = 250;

constexpr const char* kCannotMakeMemoMessage = "새 메모를 만들수 없습니다.";

void EmptyMenu(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace

MemoBoard::MemoBoard(const Services& services)
    : services_(services),
      lists_(services.files, services.codec, services.clock),
      tip_(MemoTip::Make({services.settings.values(), services.files, services.clock})) {}

MemoBoard::~MemoBoard() = default;

MemoServices MemoBoard::WindowServices() {
  return MemoServices{services_.settings, services_.files, services_.clock, services_.editTimeFont, *this,
                      &OpenWithShell};
}

std::vector<MemoRecord> MemoBoard::Records() const {
  std::vector<MemoRecord> records;
  records.reserve(entries_.size());
  for (const Entry& entry : entries_) records.push_back(entry.Current());
  return records;
}

std::size_t MemoBoard::IndexOf(const DesktopPanel& panel) const { return IndexOf(panel.hwnd()); }

std::size_t MemoBoard::IndexOf(HWND memo) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].window && entries_[i].window->hwnd() == memo) return i;
  }
  return entries_.size();
}

// --- groups ---------------------------------------------------------------------------------

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
    // The user comes first: a key, a click or another program's question ends the slice.
    const bool someoneWaits = HIWORD(GetQueueStatus(QS_INPUT | QS_SENDMESSAGE | QS_POSTMESSAGE)) != 0;
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

bool MemoBoard::RestoreMemo(const std::string& contentFile, bool save) {
  MemoRecord record = NewMemoRecord(services_.settings.values().general);
  record.windowRect = NewMemoPlace();
  record.expandedSize = Size{record.windowRect.right - record.windowRect.left,
                             record.windowRect.bottom - record.windowRect.top};
  record.contentFile = contentFile;
  WindowPtr<MemoWindow> memo = MemoWindow::CreateFromRecord(WindowServices(), record);
  if (!memo) return false;
  memo->ApplyRecordedZPosition();  // a new memo's, pin and all
  const HWND hwnd = memo->hwnd();
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd);
  entries_.push_back(Entry{memo->record(), std::move(memo)});
  if (save) WriteList(Report::Failures);
  SetForegroundWindow(hwnd);
  return true;
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

// --- memos ----------------------------------------------------------------------------------

// The columns of the "WorkMonitor" monitor (the last one when there are fewer).
ColumnLayout MemoBoard::Columns() const {
  const GeneralSettings& general = services_.settings.values().general;
  const std::vector<Rect> areas = WorkAreas();
  ColumnLayout layout;
  if (!areas.empty()) {
    const int last = static_cast<int>(areas.size()) - 1;
    layout.workArea = areas[static_cast<std::size_t>(std::clamp(general.workMonitor, 0, last))];
  }
  layout.startDx = general.startDx;
  layout.startDy = general.startDy;
  layout.sortStart = general.sortStart;
  return layout;
}

std::vector<Rect> MemoBoard::Places() const {
  std::vector<Rect> places;
  places.reserve(entries_.size());
  for (const Entry& entry : entries_) places.push_back(entry.Current().windowRect);
  return places;
}

MemoWindow* MemoBoard::FindByContentFile(const std::string& contentFile) {
  for (MemoWindow* memo : Windows()) {
    if (PathKey(memo->record().contentFile) == PathKey(contentFile)) return memo;
  }
  return nullptr;
}

Rect MemoBoard::NewMemoPlace() const { return NewMemoRect(Places(), Columns()); }

std::string MemoBoard::NewContentFile() const {
  std::vector<std::string> taken;
  for (const Entry& entry : entries_) taken.push_back(entry.Current().contentFile);
  return FreeContentFileName(services_.files, services_.settings.values().general.dataFolder, services_.clock.Now(),
                             taken);
}

void MemoBoard::NewMemo() {
  WindowPtr<MemoWindow> memo = MemoWindow::CreateNew(WindowServices(), NewMemoRect(Places(), Columns()), NewContentFile());
  if (!memo || memo->record().windowRect.right < 0) {
    ShowProgramMessage(services_.frame, kCannotMakeMemoMessage);
    return;
  }
  const HWND hwnd = memo->hwnd();
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  SetForegroundWindow(hwnd);
  entries_.push_back(Entry{memo->record(), std::move(memo)});
  WriteList(Report::Failures);
  MemoWindow& created = *entries_.back().window;
  created.ClearModified();
  SetFocus(created.editor().hwnd());
}

void MemoBoard::AddPictureMemo(const Rect& place, HBITMAP picture, bool onTop) {
  AddFilledMemo(place, onTop,
                [picture](MemoWindow& memo) { StreamInRtfAtSelection(memo.editor().hwnd(), PictureRtf(picture)); });
}

// Wine's rich edit drops a pasted bitmap, so a picture alone goes in as a capture's does.
void MemoBoard::AddClipboardMemo(bool onTop) {
  AddFilledMemo(NewMemoPlace(), onTop, [](MemoWindow& memo) {
    const HWND editor = memo.editor().hwnd();
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) || !IsClipboardFormatAvailable(CF_BITMAP)) {
      SendMessageW(editor, WM_PASTE, 0, 0);
      return;
    }
    if (!OpenClipboard(memo.hwnd())) return;
    const std::string rtf = PictureRtf(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    StreamInRtfAtSelection(editor, rtf);
  });
}

void MemoBoard::AddFilledMemo(const Rect& place, bool onTop, const std::function<void(MemoWindow&)>& fill) {
  WindowPtr<MemoWindow> memo = MemoWindow::CreateNew(WindowServices(), place, NewContentFile());
  if (!memo) {
    ShowProgramMessage(services_.frame, kCannotMakeMemoMessage);
    return;
  }
  if (onTop) memo->ApplyZPosition(ZPosition::AlwaysOnTop);
  const HWND hwnd = memo->hwnd();
  ShowWindow(hwnd, SW_SHOW);
  fill(*memo);
  UpdateWindow(hwnd);
  if (!memo->SaveContent()) ShowProgramMessage(services_.frame, kMemoSaveFailedMessage);
  entries_.push_back(Entry{memo->record(), std::move(memo)});
  WriteList(Report::Failures);
  MemoWindow& created = *entries_.back().window;
  SetForegroundWindow(hwnd);
  created.Flash(false);
}

// The list is written without the memo before its content file goes, so that no list names a
// file that is gone. When the list cannot be written, or the recycle bin cannot take the file, the
// memo comes back as it was.
std::string MemoBoard::OnMemoDeleted(HWND memo, MemoRemoval how) {
  const std::size_t index = IndexOf(memo);
  if (index >= entries_.size()) return {};
  if (how == MemoRemoval::ToRecycleBin && !entries_[index].window->SaveContent()) {
    ShowProgramMessage(services_.frame, kMemoSaveFailedMessage);
    return {};
  }
  const auto at = static_cast<std::ptrdiff_t>(index);
  Entry removed = std::move(entries_[index]);
  entries_.erase(entries_.begin() + at);
  UnsavedFile unsaved;
  const ListWriteStatus written = WriteListFile(unsaved);
  // A list written elsewhere leaves the old one naming the file, which therefore stays.
  const GeneralSettings& general = services_.settings.values().general;
  const std::string contentFile = removed.Current().contentFile;
  const bool removedFile = written == ListWriteStatus::Saved &&
                           RemoveContentFile(services_.files, services_.codec, general.dataFolder,
                                             general.memoDbFile, contentFile, how);
  if (written == ListWriteStatus::Failed || (written == ListWriteStatus::Saved && !removedFile)) {
    entries_.insert(entries_.begin() + at, std::move(removed));
    if (written == ListWriteStatus::Saved) WriteListFile(unsaved);
    ReportSaveFailure(Report::Failures);
    return {};
  }
  removed.window.reset();
  ReportSavedElsewhere(unsaved, Report::Failures);
  return how == MemoRemoval::ToRecycleBin && written == ListWriteStatus::Saved ? contentFile : std::string();
}

bool MemoBoard::SaveChanged(bool forced, Report report) {
  bool changed = false;
  bool failed = false;
  for (Entry& entry : entries_) {
    MemoWindow* memo = entry.window.get();
    if (!memo) continue;
    if (memo->ContentToSave(forced)) {
      if (memo->SaveContent()) {
        memo->SetEditTime(TimeText(services_.clock.Now()));
        InvalidateRect(memo->hwnd(), nullptr, FALSE);
        changed = true;
      } else {
        failed = true;
      }
    }
    if (memo->modified()) {
      memo->ClearModified();
      changed = true;
    }
  }
  UnsavedFile unsaved;
  bool listWritten = false;
  if (changed || listUnwritten_) {
    listWritten = WriteListFile(unsaved) != ListWriteStatus::Failed;
    failed = failed || !listWritten;
  }
  if (failed) {
    ReportSaveFailure(report);
    return false;
  }
  if (listWritten) saveFailureReported_ = false;
  ReportSavedElsewhere(unsaved, report);
  return true;
}

bool MemoBoard::WriteList(Report report) {
  UnsavedFile unsaved;
  if (WriteListFile(unsaved) == ListWriteStatus::Failed) {
    ReportSaveFailure(report);
    return false;
  }
  ReportSavedElsewhere(unsaved, report);
  return true;
}

ListWriteStatus MemoBoard::WriteListFile(UnsavedFile& unsaved) {
  if (!groupOpen_) return ListWriteStatus::Saved;
  const GeneralSettings& general = services_.settings.values().general;
  std::vector<MemoRecord> records = Records();
  const ListWriteStatus status = lists_.WriteGroup(general.dataFolder, general.memoDbFile, records, &unsaved);
  listUnwritten_ = status == ListWriteStatus::Failed;
  return status;
}

void MemoBoard::SaveForSessionEnd() {
  if (SaveChanged(true, Report::Nothing)) return;
  for (const Entry& entry : entries_) {
    if (entry.window) entry.window->SaveUnsavedCopy();
  }
  if (!listUnwritten_ || !groupOpen_) return;
  const GeneralSettings& general = services_.settings.values().general;
  lists_.WriteGroupCopy(general.dataFolder, general.memoDbFile, Records());
}

void MemoBoard::ReportSavedElsewhere(const UnsavedFile& unsaved, Report report) const {
  if (!unsaved.first || report == Report::Nothing) return;
  ShowProgramMessageAboutFile(services_.frame, kMemoSavedElsewhereMessage, unsaved.path);
}

// A save that fails every ten seconds (a pulled stick, a full disk) is said once; the next ticks
// retry quietly until one succeeds.
void MemoBoard::ReportSaveFailure(Report report) {
  if (report == Report::Nothing || (report == Report::Once && saveFailureReported_)) return;
  saveFailureReported_ = true;
  if (report == Report::Asked) return;
  ShowProgramMessage(services_.frame, kMemoSaveFailedMessage);
}

void MemoBoard::CloseAll() {
  HideMemoTip();
  for (Entry& entry : entries_) {
    entry.waiting = false;
    if (!entry.window) continue;
    entry.record = entry.window->record();
    entry.window.reset();
  }
}

// --- the panels' questions ------------------------------------------------------------------

PanelNeighbours MemoBoard::Neighbours(const DesktopPanel& panel) const {
  PanelNeighbours neighbours;
  for (const Entry& entry : entries_) {
    const MemoWindow* memo = entry.window.get();
    if (memo && memo->hwnd() != panel.hwnd() && IsWindowVisible(memo->hwnd())) {
      neighbours.memos.push_back(memo->record().windowRect);
    }
  }
  if (widgetPlaces_) neighbours.widgets = widgetPlaces_(panel.hwnd());
  return neighbours;
}

// A widget is arranged as one more memo at the end of the list would be.
void MemoBoard::ArrangePanel(DesktopPanel& panel) {
  std::vector<Rect> places = Places();
  std::size_t index = IndexOf(panel);
  if (index >= entries_.size()) {
    index = places.size();
    places.push_back(panel.GetPanelRect());
  }
  const Rect place = ArrangedMemoRect(places, index, Columns());
  SetWindowPos(panel.hwnd(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MemoBoard::ShowMemoTip(const MemoWindow& memo) {
  const std::size_t index = IndexOf(memo);
  if (tip_ && index < entries_.size()) tip_->Show(*entries_[index].window);
}

void MemoBoard::HideMemoTip() {
  if (tip_) tip_->Hide();
}

void MemoBoard::FoldedMemoMoved(const MemoWindow& memo) {
  if (tip_) tip_->Follow(memo);
}

}  // namespace quillet::win
