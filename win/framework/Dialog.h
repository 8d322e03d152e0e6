#pragma once

#include "framework/Window.h"

namespace quillet::win {

// A dialog from a numbered template. Modal dialogs are listed process-wide while they run, so
// that closing the program can end them all.
class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog() = default;

  // The result given to End, or -1 when the template could not be made into a dialog.
  INT_PTR RunModal(HWND owner);
  void End(INT_PTR result);
  HWND hwnd() const { return hwnd_; }

  // Ends every running modal dialog with `result`; true when there was one.
  static bool EndAllModal(INT_PTR result);

 protected:
  // Return true to let the system focus the first control.
  virtual bool OnInit() { return true; }
  virtual void OnCommand(UINT id, UINT notification);
  virtual void OnOK() { End(IDOK); }
  // Esc and the close box arrive here.
  virtual void OnCancel() { End(IDCANCEL); }
  // Messages other than the three above; return true when handled, with the result in `result`.
  virtual bool OnMessage(const Message& message, INT_PTR& result);

  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(const Message& message);

  int templateId_;
  HWND hwnd_ = nullptr;
};

}  // namespace quillet::win
