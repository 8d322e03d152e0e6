#pragma once

#include <cstddef>
#include <vector>

#include "geometry/Rect.h"

namespace quillet {

// Memos stand in columns along the right edge of one monitor's work area, top to bottom, the
// columns filling leftwards. Places are found by exact pixels: a memo moved by one pixel is no
// longer part of its column.
struct ColumnLayout {
  Rect workArea;      // of the "WorkMonitor" monitor
  int startDx = 180;  // "StartDX": a new memo's width and the column pitch
  int startDy = 100;  // "StartDY": a new memo's height, and the room a slot must have
  int sortStart = 15; // "SortStart": the first column starts this far below the top
};

// Where a new memo goes: the first free slot of the column chain that starts at the top right.
Rect NewMemoRect(const std::vector<Rect>& memos, const ColumnLayout& layout);

// "모두 정렬": the places of memos of these sizes in list order, top to bottom from the first
// column's top, each column `pitch` left of the one before ("StartDX", or "ContractDX" for folded
// memos). A memo that would reach below the work area starts the next column, so one taller than
// the whole area stands alone in its own.
std::vector<Rect> ArrangeAll(const std::vector<Size>& sizes, const ColumnLayout& layout, int pitch);

// "현재 위치기반 정렬": the list order that reads a hand-placed layout by columns — further right
// first (record right ÷ "StartDX"), then from the top.
std::vector<std::size_t> OrderByPosition(const std::vector<Rect>& memos, int startDx);

// Where "정렬" puts memo `index` (keeping its size): the first free slot of the chain that
// starts at the head of the first column, or that head's place when it is free.
Rect ArrangedMemoRect(const std::vector<Rect>& memos, std::size_t index, const ColumnLayout& layout);

}  // namespace quillet
