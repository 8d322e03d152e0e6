#include "memo/Docking.h"

#include <cstdlib>

#include "geometry/Saturate.h"

namespace quillet {
namespace {

// Differences of int coordinates need a wider type.
struct WideRect {
  long long left, top, right, bottom;
  explicit WideRect(const Rect& r) : left(r.left), top(r.top), right(r.right), bottom(r.bottom) {}
};

// Closed intervals: a window touching a neighbour's edge still counts as beside it.
bool SpansMeet(long long from, long long to, long long otherFrom, long long otherTo) {
  return from <= otherTo && otherFrom <= to;
}

bool TakeIfCloser(long long& shift, long long candidate) {
  if (std::llabs(candidate) >= std::llabs(shift)) return false;
  shift = candidate;
  return true;
}

Rect Shifted(const Rect& r, long long dx, long long dy) {
  return Rect{Saturate(r.left + dx), Saturate(r.top + dy), Saturate(r.right + dx), Saturate(r.bottom + dy)};
}

// The nearest facing or same edge of a neighbour beside the panel, nearer than `distance`; ties go
// to the earlier neighbour and to the facing edge. A snap that would turn the panel inside out
// (a panel narrower than the distance) is refused.
int SnapEdge(const Rect& panel, int Rect::*edge, int Rect::*opposite, const std::vector<Rect>& neighbours,
             long long distance) {
  const bool upright = edge == &Rect::left || edge == &Rect::right;
  int Rect::*spanFrom = upright ? &Rect::top : &Rect::left;
  int Rect::*spanTo = upright ? &Rect::bottom : &Rect::right;
  const bool lowSide = edge == &Rect::left || edge == &Rect::top;
  int snapped = panel.*edge;
  long long nearest = distance;
  for (const Rect& n : neighbours) {
    if (!SpansMeet(panel.*spanFrom, panel.*spanTo, n.*spanFrom, n.*spanTo)) continue;
    for (const int target : {n.*opposite, n.*edge}) {
      const long long gap = std::llabs(static_cast<long long>(target) - panel.*edge);
      const bool keepsShape = lowSide ? target < panel.*opposite : target > panel.*opposite;
      if (gap < nearest && keepsShape) {
        snapped = target;
        nearest = gap;
      }
    }
  }
  return snapped;
}

}  // namespace

Rect DockMoving(const Rect& proposed, const std::vector<Rect>& candidates, int distance) {
  const WideRect p(proposed);
  const long long d = distance;
  long long e = d + 1;
  long long c = d + 1;
  for (const Rect& candidate : candidates) {
    const WideRect r(candidate);
    if (SpansMeet(p.top, p.bottom, r.top, r.bottom) || SpansMeet(p.top - c, p.bottom - c, r.top, r.bottom)) {
      for (const long long shift : {r.left - p.right, r.right - p.right, r.right - p.left, r.left - p.left}) {
        TakeIfCloser(e, shift);
      }
    }
    if (SpansMeet(p.left, p.right, r.left, r.right) || SpansMeet(p.left + e, p.right + e, r.left, r.right)) {
      // Once the window sits above or below the neighbour, its side edges may line up with the neighbour's.
      const auto alignSides = [&] {
        TakeIfCloser(e, r.right - p.right);
        TakeIfCloser(e, r.left - p.left);
      };
      if (TakeIfCloser(c, r.bottom - p.top)) alignSides();
      TakeIfCloser(c, r.top - p.top);
      if (TakeIfCloser(c, r.top - p.bottom)) alignSides();
      TakeIfCloser(c, r.bottom - p.bottom);
    }
  }
  return Shifted(proposed, std::llabs(e) <= d ? e : 0, std::llabs(c) <= d ? c : 0);
}

Rect DockSizing(const Rect& proposed, SizingEdge edge, const std::vector<Rect>& candidates, int distance) {
  const bool left = edge == SizingEdge::Left || edge == SizingEdge::BottomLeft;
  const bool right = edge == SizingEdge::Right || edge == SizingEdge::BottomRight;
  const bool bottom = edge == SizingEdge::Bottom || edge == SizingEdge::BottomLeft || edge == SizingEdge::BottomRight;
  Rect sized = proposed;
  // Each edge is measured against the proposed rectangle, so a corner's two snaps do not depend on each other.
  if (left) sized.left = SnapEdge(proposed, &Rect::left, &Rect::right, candidates, distance);
  if (right) sized.right = SnapEdge(proposed, &Rect::right, &Rect::left, candidates, distance);
  if (edge == SizingEdge::Top) sized.top = SnapEdge(proposed, &Rect::top, &Rect::bottom, candidates, distance);
  if (bottom) sized.bottom = SnapEdge(proposed, &Rect::bottom, &Rect::top, candidates, distance);
  return sized;
}

}  // namespace quillet
