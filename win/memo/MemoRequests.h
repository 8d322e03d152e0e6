#pragma once

#include <string>

#include "memo/RecycleBin.h"
#include "platform/WinApi.h"

namespace quillet::win {

// What a memo window and the screen capture ask of the program. They post these as calls
// (framework/PostedCall.h) to the window that answers them, the main frame: each may destroy the
// memo that asked, so none runs inside that memo's own handler.
class MemoRequests {
 public:
  // Removes the memo's record and window; its content file goes the `how` way once the list no
  // longer names it.
  virtual void DeleteMemo(HWND memo, MemoRemoval how) = 0;
  virtual void NewMemo() = 0;
  // To the group file `groupFile` ("다른그룹으로 보내기", or the temporary storage group).
  virtual void MoveMemoToGroup(HWND memo, const std::string& groupFile) = 0;
  // "현재 메모를 일정등록": the memo's schedule edited, or a new one made for it.
  virtual void EditMemoSchedule(HWND memo) = 0;
  // "화면 캡쳐" ended: a memo of the picture unless it was cancelled.
  virtual void CaptureFinished(bool captured) = 0;

 protected:
  ~MemoRequests() = default;
};

}  // namespace quillet::win
