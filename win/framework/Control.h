#pragma once

#include "framework/WindowBase.h"

namespace quillet::win {

// A control of a system class (RichEdit, Button, ...) whose messages pass through the object
// before the class's own procedure, with the lifetime rules of every window object. The object is
// found through GWLP_USERDATA, which the system's controls leave to their owners. The control
// is destroyed with its parent; its owner keeps the object in a WindowPtr.
class Control : public WindowBase {
 public:
  ~Control() override;

  // Makes the control as a child of `parent`; false when the class or the window cannot be made.
  bool Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& place, HWND parent, int id);
  // Takes over a control that exists already, e.g. one made from a dialog template.
  bool Attach(HWND control);

 protected:
  // Every message; unhandled ones go to Default, the class's own handling.
  virtual LRESULT OnMessage(const Message& message);
  LRESULT Default(const Message& message);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);

  WNDPROC original_ = nullptr;
};

// Passes WM_DRAWITEM on to the control it is about; true when that control drew itself.
bool ReflectDrawItem(const Message& message);

// Passes a control's WM_COMMAND back to it; true when the control took it.
bool ReflectCommand(const Message& message);

}  // namespace quillet::win
