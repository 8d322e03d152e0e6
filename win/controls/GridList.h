#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Control.h"

#include <commctrl.h>

namespace quillet::win {

// A report list of many rows: a fixed header, columns in pixels, rows the list asks for only when
// it shows them, icons from one picture, one selected row, grey rows, and a tip showing a cell
// whole while the pointer rests on it if the column cuts it.
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
    int data = 0;  // the owner's key of the row
  };

  GridList() = default;
  ~GridList() override;

  // Takes over the list view of a dialog template and makes it a report of `columns`.
  bool Take(HWND list, const std::vector<Column>& columns);
  // The icons: square cells cut from a bitmap resource, magenta transparent; the list owns them.
  bool SetIcons(HINSTANCE instance, int bitmapId, int cellSize);

  void SetRows(std::vector<Row> rows);
  const std::vector<Row>& rows() const { return rows_; }
  // -1 when nothing is selected.
  int Selected() const;
  // Selects the row with `data` and shows it; false when there is none.
  bool SelectData(int data);

  // The parent's WM_NOTIFY from this list: true when the list used it, with the answer in `result`.
  bool OnNotify(const NMHDR& header, LRESULT& result);
  std::function<void(int row)> onDoubleClick;

 protected:
  LRESULT OnMessage(const Message& message) override;

 private:
  void FillItem(NMLVDISPINFOW& item) const;
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;
  void TrackTip(POINT cursor);
  void HideTip();
  bool CellIsCut(int row, int column, RECT& cell) const;

  std::vector<Row> rows_;
  int columns_ = 0;
  HWND tip_ = nullptr;
  std::wstring tipText_;
  int tipRow_ = -1;
  int tipColumn_ = -1;
  bool trackingLeave_ = false;
};

}  // namespace quillet::win
