#include "memo/MemoLayout.h"

#include <algorithm>

#include "geometry/Saturate.h"

namespace quillet {

namespace {

Rect Inset(Size client, int left, int top, int right, int bottom) {
  return Rect{left, top, client.width - right, client.height - bottom};
}

}  // namespace

MemoMeasures MemoMeasures::At(int dpi) {
  const MemoMeasures base;
  const int sane = SaneDpi(dpi);
  auto scaled = [sane](int pixels) { return AtDpi(pixels, sane); };
  MemoMeasures m;
  m.dpi = sane;
  m.titleStrip = scaled(base.titleStrip);
  m.editorTop = scaled(base.editorTop);
  m.frame = scaled(base.frame);
  m.foldedHeight = scaled(base.foldedHeight);
  m.foldedButtons = scaled(base.foldedButtons);
  m.zone = scaled(base.zone);
  m.topZone = scaled(base.topZone);
  m.bandBottom = scaled(base.bandBottom);
  m.formatBarTop = scaled(base.formatBarTop);
  m.formatBarHeight = scaled(base.formatBarHeight);
  m.foldedTitleMargin = scaled(base.foldedTitleMargin);
  m.minimum = Size{scaled(base.minimum.width), scaled(base.minimum.height)};
  return m;
}

Size FoldedMemoSize(bool hasTitle, Size title, int contractDx, bool fitTitleWidth, const MemoMeasures& m) {
  if (!hasTitle) return Size{contractDx, m.foldedHeight};
  const int fitted = Saturate(static_cast<long long>(title.width) + m.foldedTitleMargin);
  const int width = fitTitleWidth ? std::max(contractDx, fitted) : contractDx;
  return Size{width, std::max(m.foldedHeight, Saturate(static_cast<long long>(title.height) + 2))};
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

Rect MemoEditorRect(Size client, const MemoViewState& state, int contractDx, const MemoMeasures& m) {
  if (!state.expanded) {
    if (state.simple) return Inset(client, 1, 1, 1, 1);
    return Rect{1, 1, contractDx - (m.foldedButtons - 1), m.foldedHeight - 1};
  }
  if (state.simple && !state.viewEditTime) return Inset(client, m.frame, m.topZone, m.frame, m.frame);
  if (state.formatBar && !state.simple) {
    return Inset(client, m.frame, m.formatBarTop + m.formatBarHeight, m.frame, m.frame);
  }
  return Inset(client, m.frame, m.editorTop, m.frame, m.frame);
}

Rect FormatBarRect(Size client, const MemoMeasures& m) {
  return Rect{2, m.formatBarTop, client.width - 2, m.formatBarTop + m.formatBarHeight};
}

MemoHit HitTestExpandedMemo(int x, int y, Size client, bool ctrlDragging, const MemoMeasures& m) {
  const int right = client.width;
  const int bottom = client.height;
  if (y > m.bandBottom) {
    const bool nearBottom = bottom - y < m.zone;
    if (x < m.zone) return nearBottom ? MemoHit::BottomLeft : MemoHit::Left;
    if (right - x < m.zone) return nearBottom ? MemoHit::BottomRight : MemoHit::Right;
    if (nearBottom) return MemoHit::Bottom;
    return ctrlDragging ? MemoHit::Caption : MemoHit::Default;
  }
  if (y < m.topZone) {
    if (x < m.zone) return MemoHit::TopLeft;
    if (right - x < m.zone) return MemoHit::TopRight;
    return MemoHit::Top;
  }
  return MemoHit::Caption;
}

}  // namespace quillet
