#pragma once

#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

// One window message, unpacked once.
struct Message {
  UINT id;
  WPARAM wParam;
  LPARAM lParam;

  int X() const { return static_cast<short>(LOWORD(lParam)); }  // GET_X_LPARAM: negative on left monitors
  int Y() const { return static_cast<short>(HIWORD(lParam)); }
  UINT_PTR TimerId() const { return static_cast<UINT_PTR>(wParam); }
  UINT CommandId() const { return LOWORD(wParam); }
};

// Owns one top-level or child window. The window procedure finds the object through
// GWLP_USERDATA, stored at WM_NCCREATE; messages before that go to the default procedure.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

  // Registers a window class whose procedure dispatches to Window objects; once per class.
  static bool RegisterWindowClass(HINSTANCE instance, const wchar_t* className, HICON icon, HICON smallIcon);

 protected:
  struct Placement {
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
  };
  bool Create(HINSTANCE instance, const wchar_t* className, const std::wstring& title, DWORD style,
              DWORD exStyle, Placement placement, HWND parent = nullptr);

  // Every message; unhandled ones go to Default.
  virtual LRESULT OnMessage(const Message& message);
  LRESULT Default(const Message& message);

  void StartTimer(UINT_PTR id, UINT milliseconds);
  void StopTimer(UINT_PTR id);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace quillet::win
