#include "memo/MemoTip.h"

#include <optional>
#include <string>

#include "framework/Dpi.h"
#include "memo/MemoListStore.h"
#include "memo/MemoPainting.h"
#include "memo/MemoTimes.h"
#include "memo/MemoWindow.h"
#include "ports/Clock.h"
#include "resources/MemoResources.h"
#include "resources/resource.h"
#include "settings/Settings.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kTipTimer = 100;
constexpr UINT kTipMilliseconds = 300;

}  // namespace

// The view is the memo editor, read-only: the content loads the way the memo's own does, with
// the same default font and embedded pictures.
MemoTip::MemoTip(const Services& services)
    : Dialog(IDD_MEMO_TIP),
      services_(services),
      view_(new MemoEditor(*this, MemoEditorServices{services.settings, {}, services.clock, services.files, {}})) {}

WindowPtr<MemoTip> MemoTip::Make(const Services& services) {
  WindowPtr<MemoTip> tip(new MemoTip(services));
  if (!tip->CreateModeless(Modeless{nullptr, false, false}) || !tip->view_->hwnd()) return nullptr;
  return tip;
}

bool MemoTip::OnInit() {
  SetWindowTextW(hwnd(), kMemoTipTitle);
  const RECT place{kMemoTipBorder, kMemoTipBorder, kMemoTipBorder + 1, kMemoTipBorder + 1};
  if (view_->Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, place, hwnd(), IDC_MEMO_EDITOR)) {
    view_->SetEditable(false);
    view_->SetUrlDetection(true);
  }
  return false;
}

void MemoTip::Show(MemoWindow& memo) {
  if (memo_ == memo.hwnd()) return;
  if (memo.ContentToSave(true) && memo.SaveContent()) memo.SetEditTime(TimeText(services_.clock.Now()));
  Hide();
  memo_ = memo.hwnd();

  const MemoRecord& record = memo.record();
  const Rect& folded = record.windowRect;
  const int width = record.expandedSize.width;
  const int height = record.expandedSize.height - (folded.bottom - folded.top);
  const int dpi = WindowDpi(memo.hwnd());
  border_ = AtDpi(kMemoTipBorder, dpi);
  SetWindowPos(hwnd(), nullptr, folded.right - width, folded.bottom, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(view_->hwnd(), nullptr, border_, border_, width - 2 * border_, height - 2 * border_,
               SWP_NOZORDER | SWP_NOACTIVATE);
  view_->SetZoomForDpi(dpi);

  const std::optional<std::string> path = ContentFilePath(services_.settings.general.dataFolder, record.contentFile);
  if (!path || !view_->LoadRtf(*path)) view_->Clear();
  back_ = record.backColor;
  SendMessageW(view_->hwnd(), EM_SETBKGNDCOLOR, 0, back_);

  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  StartTimer(kTipTimer, kTipMilliseconds);
}

void MemoTip::Hide() {
  if (!memo_) return;
  StopTimer(kTipTimer);
  memo_ = nullptr;
  ShowWindow(hwnd(), SW_HIDE);
}

void MemoTip::Follow(const MemoWindow& memo) {
  if (memo.hwnd() != memo_) return;
  RECT tip{};
  GetWindowRect(hwnd(), &tip);
  const Rect& folded = memo.record().windowRect;
  SetWindowPos(hwnd(), nullptr, folded.right - (tip.right - tip.left), folded.bottom, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A memo that is gone has no rectangle: the cursor counts as off it.
bool MemoTip::CursorOnMemo() const {
  POINT cursor{};
  RECT memo{};
  return GetCursorPos(&cursor) && GetWindowRect(memo_, &memo) && PtInRect(&memo, cursor);
}

void MemoTip::Paint() {
  PaintDc paint(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  PaintMemoTipBorder(paint.Get(), Size{client.right, client.bottom}, border_,
                     services_.settings.general.colMemoTipArround.value, back_);
}

// The tip lies below the memo, so a move onto it hides it at once; no leave tracking is needed.
bool MemoTip::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_TIMER:
      if (message.TimerId() != kTipTimer) return false;
      if (!CursorOnMemo()) Hide();
      return true;
    case WM_MOUSEMOVE:
      if (!CursorOnMemo()) Hide();
      return true;
    case WM_ERASEBKGND:
      result = TRUE;
      return true;
    case WM_PAINT:
      Paint();
      return true;
    default:
      return false;
  }
}

}  // namespace quillet::win
