#include "framework/Control.h"

#include <commctrl.h>

namespace quillet::win {

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

// An object that goes before its control (a member of a window being deleted) lets go of it first.
Control::~Control() {
  if (hwnd()) RemoveWindowSubclass(hwnd(), &Control::Procedure, kSubclassId);
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

bool Control::Attach(HWND control) {
  if (!control || hwnd()) return false;
  if (!SetWindowSubclass(control, &Control::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  WindowBase::Attach(control, kNoSlot);
  return true;
}

LRESULT Control::OnMessage(const Message& message) { return Default(message); }

LRESULT Control::Default(const Message& message) {
  return DefSubclassProc(hwnd(), message.id, message.wParam, message.lParam);
}

LRESULT CALLBACK Control::Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<Control*>(data);
  if (id == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Control::Procedure, kSubclassId);
  const Message message{id, wParam, lParam};
  return self->Deliver(
      message, [&] { return self->OnMessage(message); },
      [&] { return DefSubclassProc(hwnd, id, wParam, lParam); });
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
