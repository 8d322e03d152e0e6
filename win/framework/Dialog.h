#pragma once

#include <utility>

#include "framework/WindowBase.h"

namespace quillet::win {

// A dialog from a numbered template, modal or modeless. Modal dialogs are listed process-wide
// while they run, so that closing the program can end them all.
class Dialog : public WindowBase {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}

  // The result given to End, or -1 when the template could not be made into a dialog.
  INT_PTR RunModal(HWND owner);

  struct Modeless {
    HWND owner = nullptr;
    // Once the dialog is gone the owner, a `ModelessOwner`, is told (a posted call), and lets go
    // of the object.
    bool tellOwner = false;
    // Tab, Enter, Esc and mnemonics work as in a modal dialog. Desktop windows made from
    // templates (memos, widgets) keep those keys for themselves.
    bool keyboardNavigation = true;
  };
  // False when the template could not be made into a dialog.
  bool CreateModeless(const Modeless& options);

  // A modal dialog returns `result` from RunModal; a modeless one is destroyed and tells its owner.
  void End(INT_PTR result);

  // Ends every running modal dialog with `result`; true when there was one.
  static bool EndAllModal(INT_PTR result);
  // For the message loop: gives a keyboard message to the modeless dialog it belongs to, if that
  // one takes keyboard navigation. True when the dialog used it.
  static bool TranslateKeyboard(MSG& message);

 protected:
  // Return true to let the system focus the first control.
  virtual bool OnInit() { return true; }
  virtual void OnCommand(UINT id, UINT notification);
  virtual void OnOK() { End(IDOK); }
  // Esc and the close box arrive here.
  virtual void OnCancel() { End(IDCANCEL); }
  // Messages other than the three above; return true when handled, with the result in `result`
  // (the procedure hands it to the dialog manager the way each message needs).
  virtual bool OnMessage(const Message& message, LRESULT& result);

  void OnFinalMessage() final;

  HWND Item(int id) const { return GetDlgItem(hwnd(), id); }

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
  bool Dispatch(const Message& message, LRESULT& result);
  bool AnswerAfterException(UINT id, LRESULT& result);

  int templateId_;
  bool modeless_ = false;
  bool initFailed_ = false;
  Modeless modelessOptions_;
  INT_PTR result_ = IDCANCEL;
};

// The window that keeps modeless dialogs made with `tellOwner`.
class ModelessOwner {
 public:
  // One of its dialogs closed itself: each `ModelessDialog` it keeps may let go.
  virtual void ModelessDialogClosed() = 0;

 protected:
  ~ModelessOwner() = default;
};

// A modeless dialog as its owner keeps it: the object lives until its window has gone.
template <class T>
class ModelessDialog {
 public:
  ModelessDialog& operator=(WindowPtr<T> dialog) {
    dialog_ = std::move(dialog);
    return *this;
  }
  T* get() const { return dialog_.get(); }
  T* operator->() const { return dialog_.get(); }
  explicit operator bool() const { return dialog_ != nullptr; }
  void reset() { dialog_.reset(); }
  // For `ModelessDialogClosed`: lets go of a dialog whose window is gone.
  void ForgetIfClosed() {
    if (dialog_ && !dialog_->hwnd()) dialog_.reset();
  }

 private:
  WindowPtr<T> dialog_;
};

}  // namespace quillet::win
