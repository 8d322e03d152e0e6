// The memo board: the open group's memos, new ones, deleting, saving and the memo windows'
// questions. Its groups are in MemoBoardGroups.cpp, its whole-group commands in MemoArranging.cpp.
#include "memo/MemoBoard.h"

#include <algorithm>

#include "framework/ProgramMessageBox.h"
#include "memo/Arranging.h"
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
#include "resources/resource.h"
#include "settings/DataLocations.h"
#include "settings/SettingsStore.h"
#include "storage/Paths.h"

namespace quillet::win {

namespace {

constexpr const char* kCannotMakeMemoMessage = "새 메모를 만들수 없습니다.";

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

// --- memos ----------------------------------------------------------------------------------

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
