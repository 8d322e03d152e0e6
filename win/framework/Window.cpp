#include "framework/Window.h"

namespace quillet::win {

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::RegisterWindowClass(HINSTANCE instance, const wchar_t* className, HICON icon, HICON smallIcon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Window::Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::Create(HINSTANCE instance, const wchar_t* className, const std::wstring& title, DWORD style,
                    DWORD exStyle, Placement placement, HWND parent) {
  return CreateWindowExW(exStyle, className, title.c_str(), style, placement.x, placement.y, placement.width,
                         placement.height, parent, nullptr, instance, this) != nullptr;
}

LRESULT Window::OnMessage(const Message& message) { return Default(message); }

LRESULT Window::Default(const Message& message) {
  return DefWindowProcW(hwnd_, message.id, message.wParam, message.lParam);
}

void Window::StartTimer(UINT_PTR id, UINT milliseconds) { SetTimer(hwnd_, id, milliseconds, nullptr); }

void Window::StopTimer(UINT_PTR id) { KillTimer(hwnd_, id); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, id, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->OnMessage(Message{id, wParam, lParam});
  } catch (...) {
    // Nothing may unwind through the system's code; the message gets its default handling.
    result = DefWindowProcW(hwnd, id, wParam, lParam);
  }
  if (id == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace quillet::win
