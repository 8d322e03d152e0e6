#include "memo/DeleteDialog.h"

#include "framework/Dialog.h"
#include "framework/Screen.h"
#include "resources/MemoResources.h"

namespace quillet::win {

namespace {

class DeleteDialog final : public Dialog {
 public:
  DeleteDialog() : Dialog(IDD_DELETE_MEMO) {}

 private:
  bool OnInit() override {
    SendMessageW(Item(IDC_DELETE_ICON), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)), 0);
    CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
    SetForegroundWindow(hwnd());
    return true;
  }

  void OnCommand(UINT id, UINT notification) override {
    if (id == IDABORT || id == IDRETRY) {
      End(id);
      return;
    }
    Dialog::OnCommand(id, notification);
  }
};

}  // namespace

DeleteChoice AskHowToDelete(HWND memoWindow) {
  DeleteDialog dialog;
  switch (dialog.RunModal(memoWindow)) {
    case IDOK:
      return DeleteChoice::RecycleBin;
    case IDABORT:
      return DeleteChoice::ForGood;
    case IDRETRY:
      return DeleteChoice::TemporaryStorage;
    default:
      return DeleteChoice::Cancel;
  }
}

}  // namespace quillet::win
