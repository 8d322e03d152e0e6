#include "framework/Window.h"

#include "resources/ProgramMessages.h"

namespace quillet::win {

namespace {

// What a message gets when its handler failed: nothing that pretends the work was done.
LRESULT AnswerAfterException(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  switch (id) {
    case WM_NCCREATE:
      return FALSE;  // a half-built object must not get a window
    case WM_CLOSE:
      return 0;  // nothing destroyed: the close path writes before it destroys
    default:
      return DefWindowProcW(hwnd, id, wParam, lParam);
  }
}

bool NeedsExplicitPlace(DWORD style) { return (style & (WS_POPUP | WS_CHILD)) != 0; }

}  // namespace

bool Window::Register(HINSTANCE instance, const WindowClass& windowClass) {
  WNDCLASSEXW registration{};
  registration.cbSize = sizeof registration;
  registration.style = windowClass.style;
  registration.lpfnWndProc = &Window::Procedure;
  registration.hInstance = instance;
  registration.hIcon = windowClass.icon;
  registration.hIconSm = windowClass.smallIcon;
  registration.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  registration.hbrBackground = windowClass.background;
  registration.lpszClassName = windowClass.name;
  return RegisterClassExW(&registration) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::Create(HINSTANCE instance, const wchar_t* className, const std::wstring& title, DWORD style,
                    DWORD exStyle, Placement placement, HWND parent) {
  if (NeedsExplicitPlace(style) && (placement.x == CW_USEDEFAULT || placement.y == CW_USEDEFAULT ||
                                    placement.width == CW_USEDEFAULT || placement.height == CW_USEDEFAULT)) {
    return false;
  }
  return CreateWindowExW(exStyle, className, title.c_str(), style, placement.x, placement.y, placement.width,
                         placement.height, parent, nullptr, instance, this) != nullptr;
}

LRESULT Window::OnMessage(const Message& message) { return Default(message); }

LRESULT Window::Default(const Message& message) {
  return DefWindowProcW(hwnd(), message.id, message.wParam, message.lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->Attach(hwnd, GWLP_USERDATA);
  }
  auto* self = static_cast<Window*>(Attached(hwnd, GWLP_USERDATA));
  const Message message{id, wParam, lParam};
  if (!self) {
    if (id == kPostedCallMessage) RunPostedCall(message, nullptr);  // frees it
    return DefWindowProcW(hwnd, id, wParam, lParam);
  }
  return self->Deliver(
      message, [&] { return self->OnMessage(message); },
      [&] { return AnswerAfterException(hwnd, id, wParam, lParam); });
}

}  // namespace quillet::win
