#include "memo/CaptureArea.h"

#include <algorithm>

#include "memo/MemoLayout.h"

namespace quillet {

std::optional<CaptureArea> TakeCaptureArea(Point start, Point end, const MemoMeasures& m) {
  const Rect selection{std::min(start.x, end.x), std::min(start.y, end.y), std::max(start.x, end.x),
                       std::max(start.y, end.y)};
  // An all-zero rectangle is empty too.
  if (selection.right == selection.left || selection.bottom == selection.top) return std::nullopt;

  Rect memo = selection;
  if (memo.top < m.titleStrip) {
    memo.bottom += m.titleStrip - memo.top;
    memo.top = m.titleStrip;
  }
  // Around the editor's inset, so the picture sits where it was on the screen.
  memo.left -= m.Scaled(6);
  memo.top -= m.editorTop;
  memo.right += m.frame;
  memo.bottom += m.Scaled(9);
  memo.right = std::max(memo.right, memo.left + m.minimum.width);
  memo.bottom = std::max(memo.bottom, memo.top + m.minimum.height);
  return CaptureArea{selection, memo};
}

}  // namespace quillet
