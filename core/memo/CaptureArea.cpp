#include "memo/CaptureArea.h"

#include <algorithm>

#include "memo/MemoLayout.h"

namespace quillet {

std::optional<CaptureArea> TakeCaptureArea(Point start, Point end) {
  const Rect selection{std::min(start.x, end.x), std::min(start.y, end.y), std::max(start.x, end.x),
                       std::max(start.y, end.y)};
  // An all-zero rectangle is empty too.
  if (selection.right == selection.left || selection.bottom == selection.top) return std::nullopt;

  Rect memo = selection;
  if (memo.top < kTitleStripHeight) {
    memo.bottom += kTitleStripHeight - memo.top;
    memo.top = kTitleStripHeight;
  }
  // Around the editor's inset, so the picture sits where it was on the screen.
  memo.left -= 6;
  memo.top -= 20;
  memo.right += 5;
  memo.bottom += 9;
  memo.right = std::max(memo.right, memo.left + kMinimumMemoSize.width);
  memo.bottom = std::max(memo.bottom, memo.top + kMinimumMemoSize.height);
  return CaptureArea{selection, memo};
}

}  // namespace quillet
