#pragma once

#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

class ClosingState;
class MemoBoard;

// What the search dialog asks. Kept for the session: the next search starts from the last one.
struct SearchOptions {
  std::wstring text;
  bool matchCase = false;
  bool wholeWord = false;
  bool onTop = false;
  bool inTitles = true;
  bool inContent = true;
  bool unfold = true;
};

// "메모 찾기": the search dialog (template 235), then every memo of the group in list order. A
// hit in a memo's content is selected and scrolled into view; a title that holds the text is a
// hit too when the content has none. Hits come forward and blink; with none the user may try
// again.
class MemoSearch {
 public:
  // Does nothing while a search runs (its dialog or question is up).
  void Run(HWND frame, MemoBoard& memos, const ClosingState& closing);

 private:
  SearchOptions options_;
  bool running_ = false;
};

}  // namespace quillet::win
