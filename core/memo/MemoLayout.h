#pragma once

#include "geometry/Dpi.h"
#include "geometry/Rect.h"

namespace quillet {

// A memo window's measures in pixels on a screen of `dpi`; at 96 they are the program's own.
// Stored rectangles stay in physical pixels: only the chrome scales.
struct MemoMeasures {
  int dpi = kBaseDpi;
  int titleStrip = 17;
  int editorTop = 20;  // below the strip and its band
  int frame = 5;       // left, right and bottom
  int foldedHeight = 18;
  int foldedButtons = 30;  // the expand and title buttons at the right of a folded memo
  int zone = 5;            // resize zones along the left, right and bottom edges
  int topZone = 3;         // the top rows resize upwards
  int bandBottom = 16;
  int formatBarTop = 18;
  int formatBarHeight = 20;
  int foldedTitleMargin = 40;
  Size minimum{115, 42};

  static MemoMeasures At(int dpi);
  // Any other measure given at 96 DPI.
  int Scaled(int pixels) const { return AtDpi(pixels, dpi); }
};

// A folded memo's size: `contractDx` wide (a title measuring `title` may widen it to its width
// + the margin with "FitTitleWidth" on), the folded height or the title's height + 2.
Size FoldedMemoSize(bool hasTitle, Size title, int contractDx, bool fitTitleWidth, const MemoMeasures& m);

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
Rect MemoEditorRect(Size client, const MemoViewState& state, int contractDx, const MemoMeasures& m);
Rect FormatBarRect(Size client, const MemoMeasures& m);

// Hit zones of an expanded memo, for a point (x, y) of a client area of `client` size.
enum class MemoHit { Default, Caption, Left, Right, Bottom, BottomLeft, BottomRight, Top, TopLeft, TopRight };
// `ctrlDragging`: Ctrl held while mouse-over hiding is on, so the whole memo drags.
MemoHit HitTestExpandedMemo(int x, int y, Size client, bool ctrlDragging, const MemoMeasures& m);

}  // namespace quillet
