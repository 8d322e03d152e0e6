#include "skin/SkinEditorDialog.h"

#include "framework/ProgramMessageBox.h"
#include "framework/StorableText.h"
#include "platform/ShellOpen.h"
#include "platform/Wide.h"
#include "ports/FileSystem.h"
#include "resources/WidgetResources.h"
#include "skin/SkinWindowRules.h"
#include "storage/Paths.h"

namespace quillet::win {

namespace {

constexpr const char* kSaveFailedMessage = "Skin 파일을 저장하지 못하였습니다.";
constexpr const char* kReadFailedMessage = "Skin 파일을 읽지 못하였습니다.";

}  // namespace

SkinEditorDialog::SkinEditorDialog(FileSystem& files, std::string path)
    : Dialog(IDD_SKIN_EDITOR), files_(files), path_(std::move(path)) {}

bool SkinEditorDialog::OnInit() {
  std::string bytes;
  if (files_.ReadFile(path_, bytes) != ReadOutcome::Ok) {
    ShowProgramMessage(hwnd(), kReadFailedMessage);
    End(IDCANCEL);
    return false;
  }
  const HWND text = Item(IDC_SKIN_TEXT);
  SendMessageW(text, EM_SETLIMITTEXT, 0, 0);  // as long as the file is
  SetWindowTextW(text, WidenCp949(SkinTextForEditing(bytes)).c_str());
  SetFocus(text);
  SendMessageW(text, EM_SETSEL, 0, 0);
  return false;
}

void SkinEditorDialog::OnOK() {
  const std::optional<std::string> text = ReadStorableText(Item(IDC_SKIN_TEXT));
  if (!text) return;
  if (!files_.ReplaceFile(path_, SkinTextForSaving(*text))) {
    ShowProgramMessage(hwnd(), kSaveFailedMessage);
    return;
  }
  End(IDOK);
}

void SkinEditorDialog::OnCommand(UINT id, UINT notification) {
  if (id == IDC_SKIN_FOLDER && notification == BN_CLICKED) {
    OpenWithShell(std::string(FolderPart(path_)));
    return;
  }
  Dialog::OnCommand(id, notification);
}

}  // namespace quillet::win
