#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The answers of the delete dialog, which are its button identifiers.
enum class DeleteChoice {
  RecycleBin = IDOK,            // 1: "삭제(복원가능)", restorable
  ForGood = IDABORT,            // 3: "완전 삭제"
  TemporaryStorage = IDRETRY,   // 4: "임시 보관함으로"
  Cancel = IDCANCEL,            // "취소", Esc and the close box
};

// Asks how to delete the memo of `memoWindow` (template 206).
DeleteChoice AskHowToDelete(HWND memoWindow);

}  // namespace quillet::win
