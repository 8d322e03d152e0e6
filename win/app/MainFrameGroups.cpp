// The main frame's part in the memo groups and the recycle bin: their two dialogs.
#include "app/MainFrame.h"

#include "framework/ProgramMessageBox.h"
#include "memo/MemoMessages.h"
#include "resources/GroupResources.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

void MainFrame::OpenRestoreDialog(RestoreMode mode) {
  if (!memos_) return;
  restore_.reset();
  restore_ = RestoreDialog::Make(
      hwnd(),
      RestoreDialog::Services{services_.instance, services_.files, services_.codec,
                              [this] { return services_.settings.values().general.dataFolder; },
                              [this](const std::string& contentFile, bool save) {
                                return memos_ && memos_->RestoreMemo(contentFile, save);
                              }},
      mode);
}

void MainFrame::OpenRecovery() {
  if (restore_) {
    ShowWindow(restore_->hwnd(), SW_SHOW);
    SetForegroundWindow(restore_->hwnd());
    return;
  }
  ShowProgramMessage(hwnd(), "메모 목록 자료가 손상되었습니다. 수동 복구를 시도합니다");
  if (!closing_.InProgress()) OpenRestoreDialog(RestoreMode::ManualRecovery);
}

void MainFrame::OpenGroupsDialog() {
  if (!memos_) return;
  if (!groups_) {
    groups_ = GroupsDialog::Make(
        hwnd(),
        GroupsDialog::Services{services_.settings, services_.files, services_.codec, memos_->lists(),
                               [this] { return memos_->SaveAll(); },
                               [this](const std::string& groupFile) { OpenGroup(groupFile); },
                               [this](const std::string& folder, const std::string& groupFile) {
                                 memos_->ChangeDataFolder(folder, groupFile);
                               }});
    if (!groups_) return;
  }
  groups_->Present();
}

void MainFrame::OpenGroup(const std::string& groupFile) {
  if (memos_ && !memos_->OpenGroup(groupFile, false)) {
    ShowProgramMessage(hwnd(), kProgramCannotRunMessage);
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  if (groups_) groups_->Refill();
}

void MainFrame::ModelessDialogClosed() {
  restore_.ForgetIfClosed();
  groups_.ForgetIfClosed();
}

void MainFrame::DeleteMemo(HWND memo, MemoRemoval how) {
  if (!memos_) return;
  const std::string contentFile = memos_->OnMemoDeleted(memo, how);
  if (!restore_ || restore_->mode() != RestoreMode::RecycleBin || contentFile.empty()) return;
  restore_->AddEntry(DeletedName(contentFile));
}

}  // namespace quillet::win
