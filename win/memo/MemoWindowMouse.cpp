#include "memo/MemoWindow.h"

// How a memo answers the mouse: activation, hit testing with its resize zones and the memo tip,
// double clicks and the editor's links.

#include "framework/Keys.h"
#include "memo/FormatBar.h"
#include "platform/Wide.h"

namespace quillet::win {

void MemoWindow::OnActivatePanel(bool isActive) {
  DesktopPanel::OnActivatePanel(isActive);
  SetPanelAlpha(0, isActive ? 255 : GetTargetAlpha(), LWA_ALPHA);
  if (services_.host.BulkOperation() && isActive) return;
  ShowParts();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT MemoWindow::HitTest(const Message& message) {
  POINT client{message.X(), message.Y()};
  ScreenToClient(hwnd(), &client);
  if (foldedButtons_.Covers(client)) return HTCLIENT;
  const MemoTipMode tipMode = general().memoTipMode;
  if (!expanded() && tipMode != MemoTipMode::None) {
    const bool ctrlHover = tipMode == MemoTipMode::CtrlHover || tipMode == MemoTipMode::SelectedOrCtrlHover;
    if (tipMode == MemoTipMode::Hover || (ctrlHover && KeyHeld(VK_CONTROL))) services_.host.ShowMemoTip(*this);
    return HTCAPTION;
  }
  ctrlDragging_ = false;
  const HWND focus = GetFocus();
  if (IsMouseOverHiding() && focus != hwnd() && focus != editor_->hwnd()) {
    if (!KeyHeld(VK_CONTROL)) return HTCLIENT;
    ctrlDragging_ = true;
  }
  if (!expanded()) return HTCAPTION;
  switch (HitTestExpandedMemo(client.x, client.y, ClientSize(), ctrlDragging_, Measures())) {
    case MemoHit::Left: return HTLEFT;
    case MemoHit::Right: return HTRIGHT;
    case MemoHit::Bottom: return HTBOTTOM;
    case MemoHit::BottomLeft: return HTBOTTOMLEFT;
    case MemoHit::BottomRight: return HTBOTTOMRIGHT;
    case MemoHit::Top: return HTTOP;
    case MemoHit::TopLeft: return HTTOPLEFT;
    case MemoHit::TopRight: return HTTOPRIGHT;
    case MemoHit::Caption: return HTCAPTION;
    case MemoHit::Default: break;
  }
  return DefWindowProcW(hwnd(), message.id, message.wParam, message.lParam);
}

void MemoWindow::OnDoubleClick(const Message& message) {
  if (KeyHeld(VK_SHIFT)) {
    EditTitle();
    return;
  }
  if (!expanded()) {
    Fold(true, false);
    services_.host.HideMemoTip();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return;
  }
  POINT point{message.X(), message.Y()};
  ScreenToClient(hwnd(), &point);
  if (point.y < 0 || point.y >= Measures().titleStrip) return;
  Fold(false, false);
  if (TipOnSelection()) {
    services_.host.HideMemoTip();
    services_.host.ShowMemoTip(*this);
  }
}

bool MemoWindow::OnLink(const ENLINK& link) {
  const bool enabled = general().hyperLink;
  switch (link.msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, enabled ? IDC_HAND : IDC_ARROW));
      return true;
    case WM_LBUTTONDOWN: {
      // A Ctrl+click is the editor's own, so a link never opens twice.
      if (!enabled || KeyHeld(VK_CONTROL)) return true;
      const LONG length = link.chrg.cpMax - link.chrg.cpMin;
      if (length <= 0) return true;
      std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
      TEXTRANGEW range{link.chrg, text.data()};
      text.resize(static_cast<std::size_t>(
          SendMessageW(editor_->hwnd(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
      const std::optional<std::string> address = NarrowToCp949Exactly(text);
      if (!address) return true;
      const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      services_.openAddress(*address);
      SetCursor(previous);
      return true;
    }
    case WM_LBUTTONUP:
      return true;
    default:
      return false;
  }
}

void MemoWindow::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != editor_->hwnd()) return;
  if (header.code == EN_LINK) result = OnLink(reinterpret_cast<const ENLINK&>(header)) ? 1 : 0;
  if (header.code == EN_SELCHANGE && formatBar_) formatBar_->Sync();
}

}  // namespace quillet::win
