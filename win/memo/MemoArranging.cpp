// The whole group's commands of the main frame: show, hide, fold, z-positions and arranging.
#include "memo/MemoBoard.h"
#include "memo/PanelZOrder.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

std::vector<MemoWindow*> MemoBoard::Windows() {
  MakeWaitingWindows(kEveryWindow);
  std::vector<MemoWindow*> windows;
  for (const Entry& entry : entries_) {
    if (entry.window) windows.push_back(entry.window.get());
  }
  return windows;
}

// Memos at the normal level come to the top and take the foreground in turn; the bulk flag spares
// every one but the last the redraws of its activation.
void MemoBoard::ShowAll() {
  shown_ = true;
  const std::vector<MemoWindow*> windows = Windows();
  if (windows.empty()) {
    NewMemo();
    return;
  }
  for (std::size_t i = 0; i < windows.size(); ++i) {
    MemoWindow* memo = windows[i];
    bulk_ = i + 1 < windows.size();
    if (memo->record().zPosition == static_cast<std::int32_t>(ZPosition::Normal)) {
      SetWindowPos(memo->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
      SetForegroundWindow(memo->hwnd());
    } else {
      ShowWindow(memo->hwnd(), SW_SHOW);
    }
  }
  bulk_ = false;
}

void MemoBoard::HideAll() {
  shown_ = false;
  for (MemoWindow* memo : Windows()) ShowWindow(memo->hwnd(), SW_HIDE);
}

void MemoBoard::ToggleShown() {
  if (shown_) {
    HideAll();
  } else {
    ShowAll();
  }
}

void MemoBoard::SetAllExpanded(bool expanded) {
  for (MemoWindow* memo : Windows()) {
    memo->Fold(expanded, true);
    RedrawWindow(memo->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

void MemoBoard::SetAllZPositions(ZPosition z) {
  for (MemoWindow* memo : Windows()) memo->ApplyZPosition(z);
  WriteList(Report::Failures);
}

// Hidden while they move, then shown again in list order.
void MemoBoard::ArrangeAll(Arrangement arrangement) {
  HideAll();
  const GeneralSettings& general = services_.settings.values().general;
  const std::vector<MemoWindow*> windows = Windows();
  std::vector<Size> sizes;
  for (MemoWindow* memo : windows) {
    if (arrangement == Arrangement::ExpandedFirst && !memo->expanded()) memo->Fold(true, true);
    if (arrangement == Arrangement::FoldedFirst && memo->expanded()) memo->Fold(false, true);
    const Rect& r = memo->record().windowRect;
    sizes.push_back(Size{r.right - r.left, r.bottom - r.top});
  }
  const int pitch = arrangement == Arrangement::FoldedFirst ? general.contractDx : general.startDx;
  const std::vector<Rect> places = quillet::ArrangeAll(sizes, Columns(), pitch);
  const UINT redraw = arrangement == Arrangement::AsTheyAre ? 0 : SWP_NOREDRAW;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    SetWindowPos(windows[i]->hwnd(), nullptr, places[i].left, places[i].top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | redraw);
  }
  ShowAll();
}

void MemoBoard::ArrangeByPosition() {
  if (entries_.size() < 2) return;
  SaveChanged(true, Report::Failures);
  std::vector<Entry> ordered;
  ordered.reserve(entries_.size());
  for (std::size_t index : OrderByPosition(Places(), services_.settings.values().general.startDx)) {
    ordered.push_back(std::move(entries_[index]));
  }
  entries_ = std::move(ordered);
  WriteList(Report::Failures);
  ArrangeAll(Arrangement::AsTheyAre);
}

}  // namespace quillet::win
