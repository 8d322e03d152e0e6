#pragma once

#include "geometry/Rect.h"

namespace quillet {

// The fixed measures of a memo window, in pixels.
constexpr int kTitleStripHeight = 17;
constexpr int kMemoFrame = 5;  // left, right and bottom
constexpr int kFoldedMemoHeight = 18;
constexpr Size kMinimumMemoSize{115, 42};
constexpr int kFoldedButtonsWidth = 30;  // the expand and title buttons at the right of a folded memo

// A folded memo's size: "ContractDX" wide (a title measuring `title` may widen it to its width
// + 40 with "FitTitleWidth" on), 18 high or the title's height + 2.
Size FoldedMemoSize(bool hasTitle, Size title, int contractDx, bool fitTitleWidth);

// Folding and unfolding keep the right edge and the top.
Rect AtRightEdge(const Rect& current, Size size);

// A stored rectangle that is empty or inside out is given a width of 100 and a height of 50,
// kept to its right and bottom.
Rect RepairedMemoRect(Rect rect);

struct MemoViewState {
  bool expanded = true;
  bool formatBar = false;
  bool simple = false;        // "SimpleMemoInactive" on and the window inactive
  bool viewEditTime = false;  // an expanded simple view keeps the top band for title and time
};

// Where the editor goes in a client area of `client` size. A folded memo with a title hides its
// editor; the rectangle is then that of a folded memo without one.
Rect MemoEditorRect(Size client, const MemoViewState& state, int contractDx);
Rect FormatBarRect(Size client);

// Hit zones of an expanded memo, for a point (x, y) of a client area of `client` size.
enum class MemoHit { Default, Caption, Left, Right, Bottom, BottomLeft, BottomRight, Top, TopLeft, TopRight };
// `ctrlDragging`: Ctrl held while mouse-over hiding is on, so the whole memo drags.
MemoHit HitTestExpandedMemo(int x, int y, Size client, bool ctrlDragging);

}  // namespace quillet
