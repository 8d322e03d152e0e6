#include "controls/GridList.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "framework/ToolTips.h"
#include "platform/Wide.h"

namespace quillet::win {

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGreyText = RGB(150, 150, 150);
// The room the list leaves around a cell's text.
constexpr int kCellPadding = 12;

}  // namespace

GridList::~GridList() {
  if (tip_) DestroyWindow(tip_);
}

bool GridList::Take(HWND list, const std::vector<Column>& columns, bool cellPictures) {
  if (!list || !Attach(list)) return false;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER |
                   (cellPictures ? LVS_EX_SUBITEMIMAGES : 0));
  for (const Column& column : columns) {
    std::wstring title = WidenCp949(column.title);
    LVCOLUMNW entry{};
    entry.mask = LVCF_TEXT | LVCF_WIDTH;
    entry.pszText = title.data();
    entry.cx = std::max(column.width, 0);
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(columns_++), reinterpret_cast<LPARAM>(&entry));
  }
  tip_ = CreateToolTipWindow();
  if (tip_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT;
    tool.hwnd = list;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, WM_SETFONT, SendMessageW(list, WM_GETFONT, 0, 0), FALSE);
  }
  return true;
}

HIMAGELIST GridList::LoadIcons(HINSTANCE instance, int bitmapId, int cellWidth) {
  return ImageList_LoadImageW(instance, MAKEINTRESOURCEW(bitmapId), cellWidth, 0, kMagenta, IMAGE_BITMAP,
                              LR_CREATEDIBSECTION);
}

void GridList::SetIcons(HIMAGELIST icons, bool shared) {
  if (shared) SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | LVS_SHAREIMAGELISTS);
  SendMessageW(hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
}

void GridList::SetRowCount(int count) {
  HideTip();
  const int selected = Selected();
  if (selected >= 0) {
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&none));
  }
  if (std::max(count, 0) != count_) {
    count_ = std::max(count, 0);
    SendMessageW(hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count_), LVSICF_NOSCROLL);
  }
  InvalidateRect(hwnd(), nullptr, FALSE);
}

GridList::Row GridList::RowAt(int index) const {
  return index >= 0 && index < count_ && source_ ? source_(index) : Row{};
}

int GridList::Selected() const {
  const auto row = static_cast<int>(SendMessageW(hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return row >= 0 && row < count_ ? row : -1;
}

void GridList::Select(int index) {
  if (index < 0 || index >= count_) return;
  LVITEMW selected{};
  selected.state = selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&selected));
  SendMessageW(hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

bool GridList::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != hwnd()) return false;
  result = 0;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillItem(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
      return true;
    case NM_CUSTOMDRAW:
      result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
      return true;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) && onSelected) {
        onSelected(Selected());
      }
      return true;
    }
    case NM_CLICK: {
      const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
      if (click.iItem >= 0 && click.iItem < count_ && onCellClick) onCellClick(click.iItem, click.iSubItem);
      return true;
    }
    case NM_RCLICK: {
      const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
      POINT screen = click.ptAction;
      ClientToScreen(hwnd(), &screen);
      if (onRightClick) onRightClick(click.iItem >= 0 && click.iItem < count_ ? click.iItem : -1, screen);
      return true;
    }
    case NM_DBLCLK: {
      const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
      if (row >= 0 && row < count_ && onDoubleClick) onDoubleClick(row);
      return true;
    }
    default:
      return false;
  }
}

void GridList::FillItem(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (item.iItem < 0 || item.iItem >= count_) return;
  const Row row = RowAt(item.iItem);
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    const std::size_t column = static_cast<std::size_t>(std::max(item.iSubItem, 0));
    const std::wstring text = column < row.cells.size() ? WidenCp949(row.cells[column]) : std::wstring();
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::wmemcpy(item.pszText, text.data(), length);
    item.pszText[length] = L'\0';
  }
  if (item.mask & LVIF_IMAGE) {
    const std::size_t cell = static_cast<std::size_t>(item.iSubItem);
    item.iImage = cell == 0 ? row.icon : cell - 1 < row.cellIcons.size() ? row.cellIcons[cell - 1] : -1;
  }
}

LRESULT GridList::CustomDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      if (RowAt(static_cast<int>(draw.nmcd.dwItemSpec)).grey) {
        draw.clrText = kGreyText;
        return CDRF_NEWFONT;
      }
      return CDRF_DODEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

bool GridList::CellIsCut(int row, int column, RECT& cell) const {
  cell = RECT{};
  cell.top = column;
  cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
  if (!SendMessageW(hwnd(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell))) {
    return false;
  }
  const Row data = RowAt(row);
  if (static_cast<std::size_t>(column) >= data.cells.size()) return false;
  const std::wstring text = WidenCp949(data.cells[static_cast<std::size_t>(column)]);
  const auto width = static_cast<int>(SendMessageW(hwnd(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
  return width + kCellPadding > cell.right - cell.left;
}

void GridList::TrackTip(POINT cursor) {
  LVHITTESTINFO hit{};
  hit.pt = cursor;
  SendMessageW(hwnd(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (hit.iItem == tipRow_ && hit.iSubItem == tipColumn_) return;
  HideTip();
  RECT cell{};
  if (!tip_ || hit.iItem < 0 || hit.iItem >= count_ || hit.iSubItem < 0 ||
      !CellIsCut(hit.iItem, hit.iSubItem, cell)) {
    return;
  }
  tipRow_ = hit.iItem;
  tipColumn_ = hit.iSubItem;
  tipText_ = WidenCp949(RowAt(tipRow_).cells[static_cast<std::size_t>(tipColumn_)]);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd();
  tool.lpszText = tipText_.data();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  POINT corner{cell.left, cell.top};
  ClientToScreen(hwnd(), &corner);
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(corner.x, corner.y));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void GridList::HideTip() {
  if (tip_ && tipRow_ >= 0) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  }
  tipRow_ = tipColumn_ = -1;
}

LRESULT GridList::OnMessage(const Message& message) {
  switch (message.id) {
    case WM_MOUSEMOVE:
      if (!trackingLeave_) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd(), 0};
        trackingLeave_ = TrackMouseEvent(&leave) != FALSE;
      }
      TrackTip(POINT{message.X(), message.Y()});
      break;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      HideTip();
      break;
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
      HideTip();
      break;
    default:
      break;
  }
  return Default(message);
}

}  // namespace quillet::win
