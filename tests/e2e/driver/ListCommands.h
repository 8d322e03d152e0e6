// Driver commands on the list views, combo boxes and list boxes of another process. The driver
// finds the control and prints the report.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ControlReport {
  std::vector<std::wstring> lines;  // for stdout
  std::wstring failure;             // empty on success
};

// One line per row of a list view: its image index, then each column's text, tab-separated.
ControlReport ListRows(HWND list);

// After the selection, real mouse clicks (1 or 2, none for a selection alone) on the row or, for
// a column of 0 or more, on that cell.
struct ListClick {
  int count = 0;
  int column = -1;
};

// Selects and focuses ROW as a click would and scrolls it into view, then clicks as `click` says.
ControlReport ListSelect(HWND list, int row, const ListClick& click);

// Selects item INDEX of a combo box or list box and tells the parent, as a user's choice would.
ControlReport SelectItem(HWND control, int index);

// Selects, as a click would, the item of the tree view in WINDOW (a folder browser) at PATH:
// names joined by backslashes, the first found anywhere below the roots ("C:" finds a drive),
// each next one among the children of the one before. Items are expanded on the way.
ControlReport TreeSelectPath(HWND window, const std::wstring& path);

// A button's state: "checked=0|1|2 enabled=0|1".
ControlReport ButtonState(HWND button);

// Moves a trackbar to POS and tells its parent as a drag that ended there would.
ControlReport SetSlider(HWND slider, int position);
