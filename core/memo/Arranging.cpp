#include "memo/Arranging.h"

#include <algorithm>
#include <numeric>

#include "geometry/Saturate.h"

namespace quillet {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t FindAt(const std::vector<Rect>& memos, int right, int top, std::size_t skip) {
  for (std::size_t i = 0; i < memos.size(); ++i) {
    if (i != skip && memos[i].right == right && memos[i].top == top) return i;
  }
  return kNone;
}

// Walks down the chain from the memo `from`; the first (right edge, top) with no memo there,
// or the last one reached.
Point FreeSlot(const std::vector<Rect>& memos, std::size_t from, std::size_t skip, const ColumnLayout& layout) {
  int x = memos[from].right;
  int y = memos[from].bottom;
  for (std::size_t step = 0; step <= memos.size(); ++step) {
    const std::size_t next = FindAt(memos, x, y, skip);
    if (next == kNone) break;
    y = memos[next].bottom;
    if (layout.workArea.bottom < static_cast<long long>(y) + layout.startDy) {
      x = Saturate(static_cast<long long>(x) - layout.startDx);
      y = layout.workArea.top;
    }
  }
  return Point{x, y};
}

Rect LeftOf(Point corner, Size size) {
  return Rect{Saturate(static_cast<long long>(corner.x) - size.width), corner.y, corner.x,
              Saturate(static_cast<long long>(corner.y) + size.height)};
}

}  // namespace

Rect NewMemoRect(const std::vector<Rect>& memos, const ColumnLayout& layout) {
  const Rect& w = layout.workArea;
  const int firstTop = Saturate(static_cast<long long>(w.top) + layout.sortStart);
  const Size size{layout.startDx, layout.startDy};
  std::size_t head = kNone;
  for (std::size_t i = 0; i < memos.size() && head == kNone; ++i) {
    if (memos[i].right == w.right && (memos[i].top == w.top || memos[i].top == firstTop)) head = i;
  }
  if (head == kNone) return LeftOf(Point{w.right, firstTop}, size);
  return LeftOf(FreeSlot(memos, head, kNone, layout), size);
}

std::vector<Rect> ArrangeAll(const std::vector<Size>& sizes, const ColumnLayout& layout, int pitch) {
  const Rect& w = layout.workArea;
  std::vector<Rect> places;
  places.reserve(sizes.size());
  long long column = 0;
  int x = w.right;
  int y = Saturate(static_cast<long long>(w.top) + layout.sortStart);
  for (const Size& size : sizes) {
    if (w.bottom < static_cast<long long>(y) + size.height) {
      ++column;
      x = Saturate(static_cast<long long>(w.right) - column * pitch);
      y = w.top;
    }
    places.push_back(LeftOf(Point{x, y}, size));
    y = places.back().bottom;
  }
  return places;
}

std::vector<std::size_t> OrderByPosition(const std::vector<Rect>& memos, int startDx) {
  std::vector<std::size_t> order(memos.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (startDx <= 0) return order;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int columnA = memos[a].right / startDx;
    const int columnB = memos[b].right / startDx;
    if (columnA != columnB) return columnA > columnB;
    return memos[a].top < memos[b].top;
  });
  return order;
}

Rect ArrangedMemoRect(const std::vector<Rect>& memos, std::size_t index, const ColumnLayout& layout) {
  const Rect& w = layout.workArea;
  const Rect& memo = memos.at(index);
  const Size size{memo.right - memo.left, memo.bottom - memo.top};
  const int firstTop = Saturate(static_cast<long long>(w.top) + layout.sortStart);
  const std::size_t head = FindAt(memos, w.right, firstTop, index);
  if (head == kNone) return LeftOf(Point{w.right, firstTop}, size);
  return LeftOf(FreeSlot(memos, head, index, layout), size);
}

}  // namespace quillet
