#include "ListCommands.h"

#include "RemoteMemory.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr UINT kAnswerMs = 2000;
// A selection handler may open a modal box and answer only when it closes.
constexpr UINT kNotifyMs = 1000;
constexpr int kTextChars = 4096;

ControlReport Failed(const std::wstring& why) { return {{}, why}; }

std::wstring Hex(const void* pointer) {
  wchar_t text[32];
  std::swprintf(text, 32, L"0x%llx", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(pointer)));
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  RealGetWindowClassW(hwnd, name, 256);
  return name;
}

bool Ask(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& answer) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, kAnswerMs, &result)) return false;
  answer = static_cast<LRESULT>(result);
  return true;
}

// The remote block: LVITEMW at 0, then a RECT or the text buffer.
constexpr SIZE_T kAfterItem = (sizeof(LVITEMW) + 15) & ~SIZE_T{15};

// A message whose lParam points at OFFSET of the remote block.
bool AskRemote(HWND list, RemoteMemory& remote, UINT message, WPARAM wparam, SIZE_T offset, LRESULT& answer) {
  if (Ask(list, message, wparam, static_cast<LPARAM>(remote.at(offset)), answer)) return true;
  remote.Abandon();
  return false;
}

bool AskItem(HWND list, RemoteMemory& remote, UINT message, WPARAM wparam, const LVITEMW& item, LRESULT& answer) {
  return remote.Write(0, &item, sizeof item) && AskRemote(list, remote, message, wparam, 0, answer);
}

std::wstring ListViewProblem(HWND list) {
  const std::wstring name = ClassOf(list);
  return _wcsicmp(name.c_str(), WC_LISTVIEWW) == 0 ? std::wstring() : L"control is a " + name + L", not a list view";
}

// Tabs and line breaks inside a text would split its line or column.
void AppendEscaped(std::wstring& line, const std::wstring& text) {
  for (const wchar_t c : text) {
    switch (c) {
      case L'\t': line += L"\\t"; break;
      case L'\n': line += L"\\n"; break;
      case L'\r': line += L"\\r"; break;
      default: line += c;
    }
  }
}

LRESULT ItemCount(HWND list) {
  LRESULT count = -1;
  return Ask(list, LVM_GETITEMCOUNT, 0, 0, count) ? count : -1;
}

}  // namespace

ControlReport ListRows(HWND list) {
  if (const std::wstring problem = ListViewProblem(list); !problem.empty()) return Failed(problem);
  const LRESULT rows = ItemCount(list);
  if (rows < 0) return Failed(L"the list did not tell its row count");
  LRESULT header = 0, columns = -1;
  if (!Ask(list, LVM_GETHEADER, 0, 0, header)) return Failed(L"the list did not tell its header");
  if (header && !Ask(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, columns))
    return Failed(L"the header did not tell its column count");
  if (columns < 1) columns = 1;  // no header, or not a report view: the items' own texts

  RemoteMemory remote(list, kAfterItem + kTextChars * sizeof(wchar_t));
  if (!remote.ok()) return Failed(L"no memory in the list's process, error " + std::to_wstring(GetLastError()));
  ControlReport report;
  std::wstring text(kTextChars, L'\0');
  for (int row = 0; row < rows; ++row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    LRESULT answer = 0;
    if (!AskItem(list, remote, LVM_GETITEMW, 0, item, answer) || !answer || !remote.Read(0, &item, sizeof item))
      return Failed(L"the list did not give row " + std::to_wstring(row));
    std::wstring line = std::to_wstring(item.iImage);
    for (int column = 0; column < columns; ++column) {
      item = LVITEMW{};
      item.iSubItem = column;
      item.pszText = reinterpret_cast<LPWSTR>(remote.at(kAfterItem));
      item.cchTextMax = kTextChars;
      if (!AskItem(list, remote, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item, answer))
        return Failed(L"the list did not give the text of row " + std::to_wstring(row));
      const auto length = static_cast<std::size_t>(answer < kTextChars ? answer : kTextChars - 1);
      if (!remote.Read(kAfterItem, text.data(), length * sizeof(wchar_t)))
        return Failed(L"could not read the text of row " + std::to_wstring(row));
      line += L'\t';
      AppendEscaped(line, text.substr(0, length));
    }
    report.lines.push_back(line);
  }
  return report;
}

ControlReport ListSelect(HWND list, int row, const ListClick& click) {
  if (const std::wstring problem = ListViewProblem(list); !problem.empty()) return Failed(problem);
  const LRESULT rows = ItemCount(list);
  if (rows < 0) return Failed(L"the list did not tell its row count");
  if (row >= rows)
    return Failed(L"row " + std::to_wstring(row) + L" out of range: the list has " + std::to_wstring(rows) + L" rows");
  RemoteMemory remote(list, kAfterItem + sizeof(RECT));
  if (!remote.ok()) return Failed(L"no memory in the list's process, error " + std::to_wstring(GetLastError()));

  // As a click: every other row loses the selection, then the row takes selection and focus.
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  LRESULT answer = 0;
  if (!AskItem(list, remote, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), item, answer))
    return Failed(L"the list did not clear its selection");
  item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (!AskItem(list, remote, LVM_SETITEMSTATE, static_cast<WPARAM>(row), item, answer) || !answer)
    return Failed(L"the list did not select row " + std::to_wstring(row));
  if (!Ask(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE, answer))
    return Failed(L"the list did not scroll to row " + std::to_wstring(row));
  if (click.count == 0) return {{L"selected row " + std::to_wstring(row) + L" of " + Hex(list)}, {}};

  // A few pixels into the row's icon and first label, which count as the row in every style; or
  // the middle of one cell.
  const bool cell = click.column >= 0;
  RECT bounds{cell ? LVIR_BOUNDS : LVIR_SELECTBOUNDS, cell ? click.column : 0, 0, 0};
  if (!remote.Write(kAfterItem, &bounds, sizeof bounds) ||
      !AskRemote(list, remote, cell ? LVM_GETSUBITEMRECT : LVM_GETITEMRECT, static_cast<WPARAM>(row), kAfterItem,
                 answer) ||
      !answer || !remote.Read(kAfterItem, &bounds, sizeof bounds))
    return Failed(L"the list did not give the rectangle of row " + std::to_wstring(row));
  POINT point{cell ? (bounds.left + bounds.right) / 2
                   : bounds.left + (bounds.right - bounds.left < 12 ? (bounds.right - bounds.left) / 2 : 6),
              (bounds.top + bounds.bottom) / 2};
  RECT client{};
  GetClientRect(list, &client);
  if (!PtInRect(&client, point)) return Failed(L"row " + std::to_wstring(row) + L" is outside the list's client area");
  ClientToScreen(list, &point);
  if (HWND there = WindowFromPoint(point); there != list)
    return Failed(L"row " + std::to_wstring(row) + L" is covered by " + Hex(there) + L" (" + ClassOf(there) + L")");
  POINT cursor{};
  if (!SetCursorPos(point.x, point.y) || !GetCursorPos(&cursor) || cursor.x != point.x || cursor.y != point.y)
    return Failed(L"could not move the mouse to " + std::to_wstring(point.x) + L"," + std::to_wstring(point.y));
  INPUT clicks[4] = {};
  const UINT inputs = static_cast<UINT>(2 * click.count);
  for (UINT i = 0; i < inputs; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  }
  if (SendInput(inputs, clicks, sizeof(INPUT)) != inputs)
    return Failed(L"SendInput failed, error " + std::to_wstring(GetLastError()));
  return {{(click.count == 2 ? L"double-clicked row " : L"clicked row ") + std::to_wstring(row) + L" of " + Hex(list) +
           L" at " + std::to_wstring(point.x) + L"," + std::to_wstring(point.y)},
          {}};
}

ControlReport SelectItem(HWND control, int index) {
  const std::wstring name = ClassOf(control);
  const bool combo = _wcsicmp(name.c_str(), WC_COMBOBOXW) == 0;
  if (!combo && _wcsicmp(name.c_str(), WC_LISTBOXW) != 0)
    return Failed(L"control is a " + name + L", not a combo box or list box");
  LRESULT count = 0, answer = 0;
  if (!Ask(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0, count) || count < 0)
    return Failed(L"the " + name + L" did not tell its item count");
  if (index >= count)
    return Failed(L"index " + std::to_wstring(index) + L" out of range: the " + name + L" has " +
                  std::to_wstring(count) + L" items");
  if (!Ask(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0, answer) || answer != index)
    return Failed(L"the " + name + L" did not select item " + std::to_wstring(index));
  const int id = GetDlgCtrlID(control);
  const WPARAM command = MAKEWPARAM(static_cast<WORD>(id), combo ? CBN_SELCHANGE : LBN_SELCHANGE);
  DWORD_PTR result = 0;
  const std::wstring done = L"selected " + std::to_wstring(index) + L" of " + Hex(control);
  if (SendMessageTimeoutW(GetParent(control), WM_COMMAND, command, reinterpret_cast<LPARAM>(control), SMTO_ABORTIFHUNG,
                          kNotifyMs, &result))
    return {{done}, {}};
  if (GetLastError() == ERROR_TIMEOUT) return {{done + L", the parent still busy with it"}, {}};
  return Failed(L"the parent did not take the notification, error " + std::to_wstring(GetLastError()));
}

ControlReport TreeSelectPath(HWND window, const std::wstring& path) {
  HWND tree = nullptr;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) {
        if (_wcsicmp(ClassOf(child).c_str(), WC_TREEVIEWW) != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tree));
  if (!tree) return Failed(L"no tree view in " + Hex(window));
  constexpr SIZE_T kAfterTreeItem = (sizeof(TVITEMW) + 15) & ~SIZE_T{15};
  RemoteMemory remote(tree, kAfterTreeItem + kTextChars * sizeof(wchar_t));
  if (!remote.ok()) return Failed(L"no memory in the tree's process, error " + std::to_wstring(GetLastError()));
  const auto textOf = [&](LRESULT item, std::wstring& name) {
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = reinterpret_cast<HTREEITEM>(item);
    query.pszText = reinterpret_cast<LPWSTR>(remote.at(kAfterTreeItem));
    query.cchTextMax = static_cast<int>(kTextChars);
    LRESULT answer = 0;
    name.assign(kTextChars, L'\0');
    if (!remote.Write(0, &query, sizeof query) || !AskRemote(tree, remote, TVM_GETITEMW, 0, 0, answer) || !answer ||
        !remote.Read(kAfterTreeItem, name.data(), kTextChars * sizeof(wchar_t)))
      return false;
    name.resize(wcsnlen(name.c_str(), kTextChars));
    return true;
  };
  // A drive shows as "Label (C:)": "C:" finds it.
  const auto matches = [](const std::wstring& name, const std::wstring& part) {
    const std::wstring drive = L"(" + part + L")";
    return _wcsicmp(name.c_str(), part.c_str()) == 0 ||
           (name.size() >= drive.size() && _wcsicmp(name.c_str() + name.size() - drive.size(), drive.c_str()) == 0);
  };
  // The first part within three levels of the roots (a drive sits under the desktop and the
  // computer), each next part among the children of the one before; items expand on the way.
  constexpr int kFirstPartDepth = 2;
  LRESULT found = 0, answer = 0;
  std::wstring rest = path, seen;
  const auto childrenOf = [&](LRESULT item, int depth, std::vector<std::pair<LRESULT, int>>& into) {
    Ask(tree, TVM_EXPAND, TVE_EXPAND, item, answer);
    LRESULT child = 0;
    Ask(tree, TVM_GETNEXTITEM, TVGN_CHILD, item, child);
    for (; child; Ask(tree, TVM_GETNEXTITEM, TVGN_NEXT, child, child) || (child = 0)) into.emplace_back(child, depth);
  };
  while (!rest.empty()) {
    const std::size_t slash = rest.find(L'\\');
    const std::wstring part = rest.substr(0, slash);
    rest = slash == std::wstring::npos ? std::wstring() : rest.substr(slash + 1);
    std::vector<std::pair<LRESULT, int>> pending;
    if (found) {
      childrenOf(found, 0, pending);
    } else {
      LRESULT root = 0;
      Ask(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0, root);
      for (; root; Ask(tree, TVM_GETNEXTITEM, TVGN_NEXT, root, root) || (root = 0)) pending.emplace_back(root, 0);
    }
    const bool first = found == 0;
    found = 0;
    seen.clear();
    for (std::size_t i = 0; i < pending.size() && !found; ++i) {
      const auto [item, depth] = pending[i];
      std::wstring name;
      if (!textOf(item, name)) return Failed(L"the tree did not give an item's text");
      if (matches(name, part)) {
        found = item;
        break;
      }
      seen += L" \"" + name + L"\"";
      if (first && depth < kFirstPartDepth) childrenOf(item, depth + 1, pending);
    }
    if (!found) return Failed(L"no item \"" + part + L"\" in the tree; looked at" + seen);
  }
  if (!found || !Ask(tree, TVM_SELECTITEM, TVGN_CARET, found, answer) || !answer)
    return Failed(L"the tree did not select " + path);
  return {{L"selected " + path}, {}};
}

ControlReport ButtonState(HWND button) {
  DWORD_PTR checked = 0;
  if (!SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &checked)) {
    return {{}, L"BM_GETCHECK went unanswered"};
  }
  return {{L"checked=" + std::to_wstring(checked) + L" enabled=" + std::to_wstring(IsWindowEnabled(button) ? 1 : 0)},
          {}};
}

ControlReport SetSlider(HWND slider, int position) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(slider, TBM_SETPOS, TRUE, position, SMTO_ABORTIFHUNG, 2000, &result) ||
      !SendMessageTimeoutW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                           reinterpret_cast<LPARAM>(slider), SMTO_ABORTIFHUNG, 2000, &result) ||
      !SendMessageTimeoutW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                           reinterpret_cast<LPARAM>(slider), SMTO_ABORTIFHUNG, 2000, &result)) {
    return {{}, L"the slider's messages went unanswered"};
  }
  DWORD_PTR now = 0;
  SendMessageTimeoutW(slider, TBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &now);
  return {{L"position=" + std::to_wstring(now)}, {}};
}
