#pragma once

#include <string>

#include "framework/WindowBase.h"

namespace quillet::win {

// A window class whose procedure dispatches to Window objects.
struct WindowClass {
  const wchar_t* name = nullptr;
  UINT style = 0;  // e.g. CS_DBLCLKS, without which no double click arrives
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HBRUSH background = nullptr;  // nothing: the window paints all of itself
};

// A top-level or child window of a registered class. Its object is attached at WM_NCCREATE.
class Window : public WindowBase {
 public:
  // Once per class; a class that is already registered counts as success.
  static bool Register(HINSTANCE instance, const WindowClass& windowClass);

 protected:
  struct Placement {
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
  };
  // False when the window could not be made. Popup and child windows need their place and size:
  // the system's defaults would make them 0 × 0 at (0, 0).
  bool Create(HINSTANCE instance, const wchar_t* className, const std::wstring& title, DWORD style,
              DWORD exStyle, Placement placement, HWND parent = nullptr);

  // Every message; unhandled ones go to Default.
  virtual LRESULT OnMessage(const Message& message);
  LRESULT Default(const Message& message);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
};

}  // namespace quillet::win
