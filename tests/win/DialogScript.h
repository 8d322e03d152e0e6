#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/WinApi.h"

namespace quillet::win::testing {

// Answers the dialogs a call under test opens, from inside their modal loops: each step waits for
// a visible, enabled dialog with its title and acts on it, in order. When the deadline passes
// first, the test fails and every modal dialog of ours is ended, so a dialog that never shows up
// (or never goes) cannot hang the test program.
class DialogScript {
 public:
  struct Step {
    std::wstring title;
    std::function<void(HWND)> act;
  };
  explicit DialogScript(std::vector<Step> steps, DWORD deadlineMilliseconds = 10000);
  ~DialogScript();
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  bool Done() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Poll();

  static inline DialogScript* current_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  ULONGLONG deadline_;
  UINT_PTR timer_ = 0;
  bool expired_ = false;
};

void Press(HWND dialog, int id);
std::wstring ItemText(HWND dialog, int id);

}  // namespace quillet::win::testing
