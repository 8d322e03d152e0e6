#include "memo/RestoreDialog.h"

#include <richedit.h>

#include "framework/ProgramMessageBox.h"
#include "framework/Screen.h"
#include "memo/RtfStream.h"
#include "platform/Wide.h"
#include "ports/FileSystem.h"
#include "resources/GroupResources.h"

namespace quillet::win {

namespace {

constexpr int kIconWidth = 14;
constexpr int kDeletedMemoIcon = 1;
constexpr int kNameWidth = 160;
constexpr COLORREF kPreviewGrey = RGB(0xC6, 0xC6, 0xC6);

}  // namespace

RestoreDialog::RestoreDialog(const Services& services, RestoreMode mode)
    : Dialog(IDD_RESTORE_MEMOS), services_(services), mode_(mode) {}

WindowPtr<RestoreDialog> RestoreDialog::Make(HWND owner, const Services& services,
                                             RestoreMode mode) {
  WindowPtr<RestoreDialog> dialog(new RestoreDialog(services, mode));
  if (!dialog->CreateModeless(Modeless{owner, true, true})) return nullptr;
  ShowWindow(dialog->hwnd(), SW_SHOWNOACTIVATE);
  return dialog;
}

bool RestoreDialog::OnInit() {
  const bool manual = mode_ == RestoreMode::ManualRecovery;
  if (manual) SetWindowTextW(hwnd(), L"수동 메모 복구");
  RECT client{};
  GetClientRect(Item(IDC_RESTORE_LIST), &client);
  grid_.reset(new GridList);
  grid_->Take(Item(IDC_RESTORE_LIST), {{manual ? "메모 파일 이름" : "지운 메모 이름", kNameWidth},
                                       {"최종 수정 시간", static_cast<int>(client.right) - 180}});
  grid_->SetIcons(GridList::LoadIcons(services_.instance, IDB_RESTORE_ICONS, kIconWidth), false);
  grid_->SetRowSource([this](int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return GridList::Row{};
    const RestoreEntry& entry = entries_[static_cast<std::size_t>(index)];
    GridList::Row row;
    row.cells = {entry.name, entry.timeText};
    row.icon = kDeletedMemoIcon;
    return row;
  });
  grid_->onSelected = [this](int) { Preview(); };

  const HWND preview = Item(IDC_RESTORE_PREVIEW);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR;
  format.dwEffects = CFE_AUTOCOLOR;
  format.yHeight = 180;
  format.bCharSet = DEFAULT_CHARSET;
  lstrcpynW(format.szFaceName, L"굴림", LF_FACESIZE);
  SendMessageW(preview, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageW(preview, EM_SETEVENTMASK, 0, ENM_SELCHANGE);
  ClearPreview();

  Refill();
  CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
  return false;
}

std::string RestoreDialog::PathOf(const std::string& name) const { return services_.dataFolder() + name; }

void RestoreDialog::Refill() {
  ListedContentFiles listed;
  if (mode_ == RestoreMode::ManualRecovery) {
    listed = ContentFilesOfLists(services_.files, services_.codec, services_.dataFolder());
  }
  // Without every list read, a live memo's file could look like an orphan.
  erasable_ = mode_ == RestoreMode::RecycleBin || listed.complete;
  EnableWindow(Item(IDC_RESTORE_DELETE), erasable_);
  EnableWindow(Item(IDC_RESTORE_DELETE_ALL), erasable_);
  entries_ = RestoreEntries(services_.files, services_.dataFolder(), mode_, listed);
  previewed_ = -1;
  grid_->SetRowCount(static_cast<int>(entries_.size()));
  if (!entries_.empty()) grid_->Select(0);
}

void RestoreDialog::AddEntry(const std::string& name) {
  if (mode_ != RestoreMode::RecycleBin) return;
  const std::optional<FileStatus> status = services_.files.Status(PathOf(name));
  if (!status) return;
  entries_.push_back(RestoreEntry{name, RestoreTimeText(status->modified)});
  const int selected = grid_->Selected();
  grid_->SetRowCount(static_cast<int>(entries_.size()));
  grid_->Select(selected >= 0 ? selected : 0);
}

void RestoreDialog::Preview() {
  const int row = grid_->Selected();
  if (row < 0 || row == previewed_ || static_cast<std::size_t>(row) >= entries_.size()) return;
  previewed_ = row;
  const HWND preview = Item(IDC_RESTORE_PREVIEW);
  std::string rtf;
  if (services_.files.ReadFile(PathOf(entries_[static_cast<std::size_t>(row)].name), rtf) != ReadOutcome::Ok) {
    rtf.clear();
  }
  StreamInRtf(preview, rtf);
  SendMessageW(preview, EM_SETMODIFY, FALSE, 0);
  SendMessageW(preview, EM_SETBKGNDCOLOR, 0, kPreviewGrey);
}

void RestoreDialog::ClearPreview() {
  const HWND preview = Item(IDC_RESTORE_PREVIEW);
  StreamInRtf(preview, "");
  SendMessageW(preview, EM_SETMODIFY, FALSE, 0);
  SendMessageW(preview, EM_SETBKGNDCOLOR, 0, kPreviewGrey);
  previewed_ = -1;
}

void RestoreDialog::RemoveRow(int row) {
  entries_.erase(entries_.begin() + row);
  previewed_ = -1;
  grid_->SetRowCount(static_cast<int>(entries_.size()));
  if (entries_.empty()) return ClearPreview();
  grid_->Select(row > 0 ? row - 1 : 0);
  Preview();
}

bool RestoreDialog::TakeBack(const RestoreEntry& entry, std::string& contentFile) {
  if (mode_ == RestoreMode::ManualRecovery) {
    contentFile = entry.name;
    return true;
  }
  contentFile = RestoredName(entry.name);
  if (services_.files.MoveFile(PathOf(entry.name), PathOf(contentFile))) return true;
  ShowProgramMessage(hwnd(), "복원하지 못하였습니다");
  return false;
}

// A memo whose file could not be moved back is not made: it would show another file or none.
void RestoreDialog::RestoreSelected() {
  const int row = grid_->Selected();
  if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return;
  if (ShowProgramMessage(hwnd(), "선택된 메모를 복원하시겠습니까?", MessageKind::Question) != IDYES) return;
  const RestoreEntry entry = entries_[static_cast<std::size_t>(row)];
  std::string contentFile;
  if (!TakeBack(entry, contentFile)) return;
  RemoveRow(row);
  services_.restore(contentFile, true);
}

// The list is written once, with the last memo.
void RestoreDialog::RestoreAll() {
  if (entries_.empty()) return;
  if (ShowProgramMessage(hwnd(), "모든 메모를 복원하시겠습니까?", MessageKind::Question) != IDYES) return;
  std::vector<RestoreEntry> kept;
  std::vector<std::string> restored;
  for (const RestoreEntry& entry : entries_) {
    std::string contentFile;
    if (TakeBack(entry, contentFile)) {
      restored.push_back(std::move(contentFile));
    } else {
      kept.push_back(entry);
    }
  }
  entries_ = std::move(kept);
  grid_->SetRowCount(static_cast<int>(entries_.size()));
  ClearPreview();
  for (std::size_t i = 0; i < restored.size(); ++i) services_.restore(restored[i], i + 1 == restored.size());
}

void RestoreDialog::DeleteSelected() {
  const int row = grid_->Selected();
  if (!erasable_ || row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return;
  if (ShowProgramMessage(hwnd(), "선택된 메모를 완전히 삭제하시겠습니까?", MessageKind::Question) != IDYES) return;
  const std::string path = PathOf(entries_[static_cast<std::size_t>(row)].name);
  RemoveRow(row);
  services_.files.DeleteFile(path);
}

// The first file that cannot be deleted stops the rest; what was deleted leaves the list.
void RestoreDialog::DeleteAll() {
  if (!erasable_ || entries_.empty()) return;
  if (ShowProgramMessage(hwnd(), "모든 목록을 완전히 삭제하시겠습니까?", MessageKind::Question) != IDYES) return;
  std::size_t deleted = 0;
  while (deleted < entries_.size() && services_.files.DeleteFile(PathOf(entries_[deleted].name))) ++deleted;
  entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(deleted));
  grid_->SetRowCount(static_cast<int>(entries_.size()));
  ClearPreview();
  if (!entries_.empty()) grid_->Select(0);
}

void RestoreDialog::OnCommand(UINT id, UINT notification) {
  if (notification != BN_CLICKED) return Dialog::OnCommand(id, notification);
  switch (id) {
    case IDC_RESTORE_ONE: return RestoreSelected();
    case IDC_RESTORE_ALL: return RestoreAll();
    case IDC_RESTORE_DELETE: return DeleteSelected();
    case IDC_RESTORE_DELETE_ALL: return DeleteAll();
    default: return Dialog::OnCommand(id, notification);
  }
}

bool RestoreDialog::OnMessage(const Message& message, LRESULT& result) {
  if (message.id == WM_NOTIFY && grid_) return grid_->OnNotify(*reinterpret_cast<const NMHDR*>(message.lParam), result);
  return false;
}

}  // namespace quillet::win
