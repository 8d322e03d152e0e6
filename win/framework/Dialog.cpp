#include "framework/Dialog.h"

#include <algorithm>
#include <vector>

namespace quillet::win {

namespace {

// The dialogs running modally, innermost last.
std::vector<Dialog*>& RunningModal() {
  static std::vector<Dialog*> dialogs;
  return dialogs;
}

}  // namespace

INT_PTR Dialog::RunModal(HWND owner) {
  struct Listed {
    Dialog* dialog;
    explicit Listed(Dialog* d) : dialog(d) { RunningModal().push_back(d); }
    ~Listed() {
      auto& dialogs = RunningModal();
      dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
    }
  } listed(this);
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, &Dialog::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

void Dialog::End(INT_PTR result) {
  if (hwnd_) EndDialog(hwnd_, result);
}

bool Dialog::EndAllModal(INT_PTR result) {
  const std::vector<Dialog*> running = RunningModal();
  for (Dialog* dialog : running) dialog->End(result);
  return !running.empty();
}

void Dialog::OnCommand(UINT id, UINT) {
  if (id == IDOK) OnOK();
  if (id == IDCANCEL) OnCancel();
}

bool Dialog::OnMessage(const Message&, INT_PTR&) { return false; }

INT_PTR Dialog::Dispatch(const Message& message) {
  switch (message.id) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      OnCommand(message.CommandId(), HIWORD(message.wParam));
      return TRUE;
    case WM_CLOSE:
      OnCancel();
      return TRUE;
    default: {
      INT_PTR result = FALSE;
      return OnMessage(message, result) ? result : FALSE;
    }
  }
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  INT_PTR result = FALSE;
  try {
    result = self->Dispatch(Message{id, wParam, lParam});
  } catch (...) {
    // Nothing may unwind through the dialog manager.
    result = FALSE;
  }
  if (id == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace quillet::win
