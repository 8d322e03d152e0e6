#include "memo/MemoLayout.h"

#include <algorithm>

#include "geometry/Saturate.h"

namespace quillet {

namespace {

constexpr int kFoldedTitleMargin = 40;
constexpr int kZone = 5;       // resize zones along the left, right and bottom edges
constexpr int kTopZone = 3;    // the top rows resize upwards
constexpr int kBandBottom = 16;
constexpr int kFormatBarTop = 18;
constexpr int kFormatBarHeight = 20;

Rect Inset(Size client, int left, int top, int right, int bottom) {
  return Rect{left, top, client.width - right, client.height - bottom};
}

}  // namespace

Size FoldedMemoSize(bool hasTitle, Size title, int contractDx, bool fitTitleWidth) {
  if (!hasTitle) return Size{contractDx, kFoldedMemoHeight};
  const int fitted = Saturate(static_cast<long long>(title.width) + kFoldedTitleMargin);
  const int width = fitTitleWidth ? std::max(contractDx, fitted) : contractDx;
  return Size{width, std::max(kFoldedMemoHeight, Saturate(static_cast<long long>(title.height) + 2))};
}

Rect AtRightEdge(const Rect& current, Size size) {
  return Rect{Saturate(static_cast<long long>(current.right) - size.width), current.top, current.right,
              Saturate(static_cast<long long>(current.top) + size.height)};
}

Rect RepairedMemoRect(Rect rect) {
  if (rect.left >= rect.right) rect.left = Saturate(static_cast<long long>(rect.right) - 100);
  if (rect.top >= rect.bottom) rect.top = Saturate(static_cast<long long>(rect.bottom) - 50);
  return rect;
}

Rect MemoEditorRect(Size client, const MemoViewState& state, int contractDx) {
  if (!state.expanded) {
    if (state.simple) return Inset(client, 1, 1, 1, 1);
    return Rect{1, 1, contractDx - (kFoldedButtonsWidth - 1), kTitleStripHeight};
  }
  if (state.simple && !state.viewEditTime) return Inset(client, kMemoFrame, kTopZone, kMemoFrame, kMemoFrame);
  if (state.formatBar && !state.simple) {
    return Inset(client, kMemoFrame, kFormatBarTop + kFormatBarHeight, kMemoFrame, kMemoFrame);
  }
  return Inset(client, kMemoFrame, kTitleStripHeight + 3, kMemoFrame, kMemoFrame);
}

Rect FormatBarRect(Size client) { return Rect{2, kFormatBarTop, client.width - 2, kFormatBarTop + kFormatBarHeight}; }

MemoHit HitTestExpandedMemo(int x, int y, Size client, bool ctrlDragging) {
  const int right = client.width;
  const int bottom = client.height;
  if (y > kBandBottom) {
    const bool nearBottom = bottom - y < kZone;
    if (x < kZone) return nearBottom ? MemoHit::BottomLeft : MemoHit::Left;
    if (right - x < kZone) return nearBottom ? MemoHit::BottomRight : MemoHit::Right;
    if (nearBottom) return MemoHit::Bottom;
    return ctrlDragging ? MemoHit::Caption : MemoHit::Default;
  }
  if (y < kTopZone) {
    if (x < kZone) return MemoHit::TopLeft;
    if (right - x < kZone) return MemoHit::TopRight;
    return MemoHit::Top;
  }
  return MemoHit::Caption;
}

}  // namespace quillet
