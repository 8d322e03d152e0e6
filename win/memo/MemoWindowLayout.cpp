#include "memo/MemoWindow.h"

// A memo's shape: folding, which parts show, where they go, and the chrome's measures at the
// DPI of the monitor the memo is on.

#include "framework/Dpi.h"
#include "memo/FormatBar.h"
#include "memo/MemoPainting.h"
#include "memo/PanelZOrder.h"
#include "platform/Wide.h"
#include "resources/MemoResources.h"

namespace quillet::win {

namespace {

// The folded memo's buttons: their top, and their left edges from its right edge, at 96 DPI.
constexpr int kFoldedButtonTop = 4;
constexpr int kExpandButtonRight = 14;
constexpr int kTitleButtonRight = 26;

void Place(HWND hwnd, const Rect& r, UINT flags) {
  SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags | SWP_NOZORDER);
}

}  // namespace

MemoMeasures MemoWindow::Measures() const { return MemoMeasures::At(dpi_); }

Size MemoWindow::TitleTextSize() const {
  const Font font = MakeTitleFont(ParseTitleFont(record_.titleFont), dpi_);
  const std::wstring title = WidenCp949(record_.title);
  const WindowDc screen(nullptr);
  RECT measured{0, 0, 0, 0};
  const Selection selected(screen.Get(), font.Get());
  DrawTextW(screen.Get(), title.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return Size{measured.right, measured.bottom};
}

void MemoWindow::Fold(bool expand, bool inactive) {
  // The desktop level cannot take a window that grows: it leaves it for the duration.
  const bool fromDesktop = ModeFromStored<ZPosition>(record_.zPosition) == ZPosition::Desktop && expand;
  if (fromDesktop) SetZPosition(ZPosition::Normal);
  // Unseen while its shape changes; a hidden window has nothing to hide.
  const bool visible = IsWindowVisible(hwnd()) != FALSE;
  if (visible) SetPanelAlpha(0, 0, LWA_ALPHA);
  record_.expanded = expand ? 1 : 0;
  const Rect current = record_.windowRect;
  const MemoMeasures m = Measures();
  if (expand) {
    ShowWindow(editor_->hwnd(), SW_SHOWNOACTIVATE);
    if (!contentUnreadable_) editor_->SetEditable(true);
    Place(hwnd(), AtRightEdge(current, record_.expandedSize), SWP_NOACTIVATE);
  } else if (!record_.title.empty()) {
    ShowWindow(editor_->hwnd(), SW_HIDE);
    const Size folded = FoldedMemoSize(true, TitleTextSize(), FoldedWidth(m), general().fitTitleWidth, m);
    Place(hwnd(), AtRightEdge(current, folded), SWP_NOACTIVATE);
  } else {
    // Without a title the first line of the text shows, read-only.
    editor_->SetEditable(false);
    ShowWindow(editor_->hwnd(), SW_SHOWNOACTIVATE);
    Place(hwnd(), AtRightEdge(current, FoldedMemoSize(false, {}, FoldedWidth(m), false, m)), SWP_NOACTIVATE);
  }
  RecordWindowRect();
  ShowParts();
  if (expand && GetFocus() == hwnd()) SetFocus(editor_->hwnd());
  SetPanelAlpha(0, inactive ? GetTargetAlpha() : 255, LWA_ALPHA);
  if (fromDesktop) SetZPosition(ZPosition::Desktop);
}

void MemoWindow::ApplySettings() {
  // "타이틀 바" changes the strip and its buttons too, not the frame alone.
  ApplyColors(ColorsFor(record_.paletteColor, general().skinType == TitleBarStyle::Flat));
  // A fade in progress keeps its alpha; the size and look change anyway.
  const PanelShowState state = ShowState();
  if (state == PanelShowState::Shown || state == PanelShowState::Hidden) {
    Fold(expanded(), !active());
  } else {
    ShowParts();
  }
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void MemoWindow::ApplyInactiveAlpha() {
  if (!active() && ShowState() == PanelShowState::Shown) SetPanelAlpha(0, GetTargetAlpha(), LWA_ALPHA);
}

void MemoWindow::RecordWindowRect() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  record_.windowRect = Rect{window.left, window.top, window.right, window.bottom};
}

// Which of the strip, its buttons, the format bar and the folded buttons show, and where the
// editor goes, for the fold state and the view.
void MemoWindow::ShowParts() {
  const bool simple = SimpleView();
  const bool expand = expanded();
  const int strip = expand && !simple ? SW_SHOWNOACTIVATE : SW_HIDE;
  strip_->ShowButtons(expand);
  ShowWindow(strip_->hwnd(), strip);
  if (formatBar_) ShowWindow(formatBar_->hwnd(), strip);
  foldedButtons_.Show(hwnd(), IDC_MEMO_EXPAND, !expand && !simple);
  foldedButtons_.Show(hwnd(), IDC_MEMO_TITLE, !expand && !simple);
  if (general().scrollMode == ScrollMode::WhileActive) ShowScrollBar(editor_->hwnd(), SB_VERT, expand && active());
  Layout();
}

void MemoWindow::Layout() {
  const Size client = ClientSize();
  const MemoMeasures m = Measures();
  Place(editor_->hwnd(), MemoEditorRect(client, ViewState(), FoldedWidth(m), m), SWP_NOACTIVATE);
  if (formatBar_) Place(formatBar_->hwnd(), FormatBarRect(client, m), SWP_NOACTIVATE);
  SetWindowPos(strip_->hwnd(), nullptr, 0, 0, client.width, m.titleStrip, SWP_NOZORDER | SWP_NOACTIVATE);
  const int top = m.Scaled(kFoldedButtonTop);
  foldedButtons_.Place(hwnd(), IDC_MEMO_EXPAND, client.width - m.Scaled(kExpandButtonRight), top);
  foldedButtons_.Place(hwnd(), IDC_MEMO_TITLE, client.width - m.Scaled(kTitleButtonRight), top);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

// Dragged to a monitor of another scale: the window takes the size Windows suggests, which
// keeps its look, and its chrome, pictures and text follow the new DPI.
void MemoWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const int previous = dpi_;
  dpi_ = SaneDpi(dpi);
  strip_->SetDpi(dpi_);
  foldedButtons_.SetDpi(hwnd(), dpi_);
  editor_->SetZoomForDpi(dpi_);
  if (formatBar_) SetFormatBar(true);
  if (!expanded()) {
    const Size& size = record_.expandedSize;
    record_.expandedSize = Size{MulDiv(size.width, dpi_, previous), MulDiv(size.height, dpi_, previous)};
  }
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // A folded memo's size comes from its title at the new DPI.
  if (!expanded()) Fold(false, !active());
  ShowParts();
}

}  // namespace quillet::win
