#pragma once

#include "platform/WinApi.h"

#include <ole2.h>

namespace quillet::win {

// OLE on the GUI thread while the object lives: the editors need it for the clipboard, drag and
// drop and embedded objects.
class OleSession {
 public:
  OleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (started_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool started_;
};

}  // namespace quillet::win
