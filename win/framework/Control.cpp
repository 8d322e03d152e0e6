#include "framework/Control.h"

namespace quillet::win {

// An object that goes before its control (a member of a window being deleted) lets go of it first.
Control::~Control() {
  if (hwnd()) SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
}

bool Control::Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& place, HWND parent, int id) {
  const HWND control =
      CreateWindowExW(exStyle, className, L"", style | WS_CHILD, place.left, place.top, place.right - place.left,
                      place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleW(nullptr), nullptr);
  if (!control) return false;
  if (Attach(control)) return true;
  DestroyWindow(control);
  return false;
}

// The control's own procedure is swapped for ours, and the object found through GWLP_USERDATA:
// comctl32's SetWindowSubclass keeps its data in window properties, which under Wine cost a
// round trip to the server on every message, a hundredfold more for a memo's editor.
bool Control::Attach(HWND control) {
  if (!control || hwnd() || GetWindowLongPtrW(control, GWLP_USERDATA)) return false;
  WindowBase::Attach(control, GWLP_USERDATA);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::Procedure)));
  return original_ != nullptr;
}

LRESULT Control::OnMessage(const Message& message) { return Default(message); }

LRESULT Control::Default(const Message& message) {
  return CallWindowProcW(original_, hwnd(), message.id, message.wParam, message.lParam);
}

LRESULT CALLBACK Control::Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Control*>(Attached(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, id, wParam, lParam);
  const WNDPROC original = self->original_;
  // The control's last message goes to its own procedure, which must be in place again by then.
  if (id == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  const Message message{id, wParam, lParam};
  return self->Deliver(
      message, [&] { return self->OnMessage(message); },
      [&] { return CallWindowProcW(original, hwnd, id, wParam, lParam); });
}

bool ReflectDrawItem(const Message& message) {
  if (message.id != WM_DRAWITEM) return false;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
  return item && item->CtlType != ODT_MENU &&
         SendMessageW(item->hwndItem, kReflectedDrawItem, message.wParam, message.lParam) == TRUE;
}

bool ReflectCommand(const Message& message) {
  const auto control = reinterpret_cast<HWND>(message.lParam);
  return message.id == WM_COMMAND && control &&
         SendMessageW(control, kReflectedCommand, message.wParam, message.lParam) == TRUE;
}

}  // namespace quillet::win
