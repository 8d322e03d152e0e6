#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Control.h"

#include <commctrl.h>

namespace quillet::win {

// A report list of many rows: a fixed header, columns in pixels, rows made only when the list
// shows them (so a refill costs the same for ten rows or twenty thousand), icons from one picture,
// one selected row, grey rows, and a tip showing a cell whole while the pointer rests on it if the
// column cuts it.
class GridList : public Control {
 public:
  struct Column {
    std::string title;  // program text (CP949)
    int width;
  };
  struct Row {
    std::vector<std::string> cells;  // program text, one per column
    int icon = -1;
    bool grey = false;
    std::vector<int> cellIcons;  // pictures of the columns after the first, -1 for none
  };
  // Makes row `index` (below the count last set) when the list needs it.
  using RowSource = std::function<Row(int index)>;

  GridList() = default;
  ~GridList() override;

  // Takes over the list view of a dialog template and makes it a report of `columns`; with
  // `cellPictures` the columns after the first show pictures too.
  bool Take(HWND list, const std::vector<Column>& columns, bool cellPictures = false);
  // The icons: cells `cellWidth` wide cut from a bitmap resource, magenta transparent. The list
  // owns them unless `shared`, for lists that use one set together.
  static HIMAGELIST LoadIcons(HINSTANCE instance, int bitmapId, int cellWidth);
  void SetIcons(HIMAGELIST icons, bool shared);

  void SetRowSource(RowSource source) { source_ = std::move(source); }
  // The rows changed: `count` of them now, none selected. The same count only repaints.
  void SetRowCount(int count);
  int RowCount() const { return count_; }
  Row RowAt(int index) const;
  // -1 when nothing is selected.
  int Selected() const;
  // Selects row `index` and scrolls it into view.
  void Select(int index);

  // The parent's WM_NOTIFY from this list: true when the list used it, with the answer in `result`.
  bool OnNotify(const NMHDR& header, LRESULT& result);
  std::function<void(int row)> onDoubleClick;
  // A click on a cell; a right click (row −1 off the rows) at a screen point.
  std::function<void(int row, int column)> onCellClick;
  std::function<void(int row, POINT screen)> onRightClick;
  // A row became the selected one, by the user or by Select; -1 when none is selected any more.
  std::function<void(int row)> onSelected;

 protected:
  LRESULT OnMessage(const Message& message) override;

 private:
  void FillItem(NMLVDISPINFOW& item) const;
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;
  void TrackTip(POINT cursor);
  void HideTip();
  bool CellIsCut(int row, int column, RECT& cell) const;

  RowSource source_;
  int count_ = 0;
  int columns_ = 0;
  HWND tip_ = nullptr;
  std::wstring tipText_;
  int tipRow_ = -1;
  int tipColumn_ = -1;
  bool trackingLeave_ = false;
};

}  // namespace quillet::win
