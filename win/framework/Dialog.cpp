#include "framework/Dialog.h"

#include <algorithm>
#include <vector>

#include "framework/Control.h"
#include "framework/PostedCall.h"

namespace quillet::win {

namespace {

// The dialogs running modally, innermost last.
std::vector<Dialog*>& RunningModal() {
  static std::vector<Dialog*> dialogs;
  return dialogs;
}

// Modeless dialogs that take keyboard navigation.
std::vector<HWND>& Navigable() {
  static std::vector<HWND> dialogs;
  return dialogs;
}

template <class T>
void Remove(std::vector<T>& items, T item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

// The few messages whose answer is the dialog procedure's own return value; for all others the
// dialog manager reads DWLP_MSGRESULT.
bool AnswersDirectly(UINT id) {
  switch (id) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

}  // namespace

INT_PTR Dialog::RunModal(HWND owner) {
  struct Listed {
    Dialog* dialog;
    explicit Listed(Dialog* d) : dialog(d) { RunningModal().push_back(d); }
    ~Listed() { Remove(RunningModal(), dialog); }
  } listed(this);
  modeless_ = false;
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, &Dialog::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(const Modeless& options) {
  modeless_ = true;
  modelessOptions_ = options;
  initFailed_ = false;
  const HWND created = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), options.owner,
                                          &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
  if (!created) return false;
  if (initFailed_) {
    modelessOptions_.tellOwner = false;  // never shown: the owner has nothing to forget
    DestroyWindow(created);
    return false;
  }
  if (options.keyboardNavigation) Navigable().push_back(created);
  return true;
}

void Dialog::End(INT_PTR result) {
  if (!hwnd()) return;
  if (!modeless_) {
    EndDialog(hwnd(), result);
    return;
  }
  result_ = result;
  Destroy();
}

bool Dialog::EndAllModal(INT_PTR result) {
  const std::vector<Dialog*> running = RunningModal();
  for (Dialog* dialog : running) dialog->End(result);
  return !running.empty();
}

bool Dialog::TranslateKeyboard(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  const std::vector<HWND>& dialogs = Navigable();
  if (dialogs.empty()) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (std::find(dialogs.begin(), dialogs.end(), root) == dialogs.end()) return false;
  return IsDialogMessageW(root, &message) != FALSE;
}

void Dialog::OnCommand(UINT id, UINT) {
  if (id == IDOK) OnOK();
  if (id == IDCANCEL) OnCancel();
}

bool Dialog::OnMessage(const Message&, LRESULT&) { return false; }

void Dialog::OnFinalMessage() {
  if (modeless_ && modelessOptions_.tellOwner) {
    PostCall<ModelessOwner>(modelessOptions_.owner, [](ModelessOwner& owner) { owner.ModelessDialogClosed(); });
  }
}

bool Dialog::Dispatch(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_INITDIALOG:
      result = OnInit() ? TRUE : FALSE;
      return true;
    case WM_COMMAND:
      if (!ReflectCommand(message)) OnCommand(message.CommandId(), HIWORD(message.wParam));
      return true;
    case WM_CLOSE:
      OnCancel();
      return true;
    case WM_NCDESTROY:
      Remove(Navigable(), hwnd());
      return OnMessage(message, result);
    case WM_DRAWITEM:
      if (ReflectDrawItem(message)) {
        result = TRUE;
        return true;
      }
      return OnMessage(message, result);
    default:
      return OnMessage(message, result);
  }
}

bool Dialog::AnswerAfterException(UINT id, LRESULT& result) {
  result = 0;
  if (id == WM_INITDIALOG) {
    // A dialog whose set-up failed never runs.
    initFailed_ = true;
    if (!modeless_) EndDialog(hwnd(), -1);
    return true;
  }
  return id == WM_CLOSE;  // handled: nothing closes
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_INITDIALOG) reinterpret_cast<Dialog*>(lParam)->Attach(hwnd, DWLP_USER);
  auto* self = static_cast<Dialog*>(Attached(hwnd, DWLP_USER));
  const Message message{id, wParam, lParam};
  if (!self) {
    if (id == kPostedCallMessage) RunPostedCall(message, nullptr);  // frees it
    return FALSE;
  }
  bool handled = false;
  const LRESULT result = self->Deliver(
      message,
      [&] {
        LRESULT answer = 0;
        handled = self->Dispatch(message, answer);
        return answer;
      },
      [&] {
        LRESULT answer = 0;
        handled = self->AnswerAfterException(id, answer);
        return answer;
      });
  // `self` may be gone here; only the window is used.
  if (!handled) return FALSE;
  if (AnswersDirectly(id)) return static_cast<INT_PTR>(result);
  SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace quillet::win
