#include "memo/TitleStrip.h"

#include <vector>

#include "framework/Gdi.h"
#include "memo/MemoLayout.h"
#include "resources/MemoResources.h"

namespace quillet::win {

namespace {

struct StripButton {
  int id;
  int picture;
  const char* tip;  // nullptr: none
  int x;            // from the left when not negative, else from the right
  int y;
};

// In the strip's order: pin and menu at the left, the rest measured from the right edge.
constexpr StripButton kButtons[] = {
    {IDC_STRIP_PIN, IDB_MEMO_PIN, "항상 위에", 3, 3},
    {IDC_STRIP_MENU, IDB_MEMO_MENU, nullptr, 17, 4},
    {IDC_STRIP_NEW, IDB_MEMO_NEW, "새 메모", -70, 3},
    {IDC_STRIP_FORMAT, IDB_MEMO_TEXT_FORMAT, "Text format", -57, 3},
    {IDC_STRIP_COLOR, IDB_MEMO_SKIN_COLOR, "Skin Color", -43, 3},
    {IDC_STRIP_DELETE, IDB_MEMO_DELETE, "삭제", -29, 3},
    {IDC_STRIP_FOLD, IDB_MEMO_FOLD, "접기", -15, 3},
};

void FillColumn(HDC dc, int x, int top, int bottom, Colorref color) {
  const RECT r{x, top, x + 1, bottom};
  Brush brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush.Get());
}

}  // namespace

TitleStrip::TitleStrip(TitleStripOwner& owner) : Dialog(IDD_TITLE_STRIP), owner_(owner) {}

bool TitleStrip::Create(HWND memoWindow) { return CreateModeless({memoWindow, 0, false}); }

bool TitleStrip::OnInit() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const StripButton& spec = kButtons[i];
    BitmapButton& button = buttons_[i];
    if (!button.Take(Item(spec.id))) continue;
    button.LoadPicture(spec.picture);
    button.FitToPicture();
    if (spec.tip) tips_.Add(button.hwnd(), spec.tip);
  }
  return false;
}

void TitleStrip::SetColors(const MemoColors& colors, bool skinType) {
  colors_ = colors;
  skinType_ = skinType;
  for (BitmapButton& button : buttons_) button.SetBackground(colors.buttons);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void TitleStrip::SetPinned(bool pinned) { buttons_[0].SetChecked(pinned); }

void TitleStrip::ShowButtons(bool show) {
  for (BitmapButton& button : buttons_) ShowWindow(button.hwnd(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TitleStrip::PlaceButtons(int width) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const StripButton& spec = kButtons[i];
    const int x = spec.x >= 0 ? spec.x : width + spec.x;
    SetWindowPos(buttons_[i].hwnd(), nullptr, x, spec.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TitleStrip::OnCommand(UINT id, UINT notification) {
  if (notification != BN_CLICKED) return;
  POINT corner{};
  if (id == IDC_STRIP_MENU) {
    RECT r{};
    GetWindowRect(Item(IDC_STRIP_MENU), &r);
    corner = POINT{r.right, r.bottom};
  }
  owner_.OnStripButton(static_cast<int>(id), corner);
}

// Flat in the title colour with light and dark edge columns, or a vertical gradient of the
// memo's own colour whose interior is one column stretched across.
void TitleStrip::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return;
  if (skinType_) {
    Brush flat(CreateSolidBrush(colors_.title));
    FillRect(dc, &client, flat.Get());
    FillColumn(dc, 0, 0, height, ScaleColor(colors_.title, 1.2));
    FillColumn(dc, width - 1, 0, height, ScaleColor(colors_.title, 0.7));
    return;
  }
  const std::vector<Colorref> column = TitleStripColumn(colors_.base, height);
  for (int row = 0; row < height; ++row) {
    const RECT line{1, row, width - 2, row + 1};
    Brush brush(CreateSolidBrush(column[static_cast<std::size_t>(row)]));
    FillRect(dc, &line, brush.Get());
  }
  FillColumn(dc, 0, 0, height - 1, ScaleColor(colors_.base, 1.3));
  FillColumn(dc, 0, height - 1, height, ScaleColor(colors_.base, 0.55));
  FillColumn(dc, width - 1, 0, height, ScaleColor(colors_.base, 0.55));
  FillColumn(dc, width - 2, 0, 1, ScaleColor(colors_.base, 1.3));
  FillColumn(dc, width - 2, 1, height - 1, ScaleColor(colors_.base, 0.85));
  FillColumn(dc, width - 2, height - 1, height, ScaleColor(colors_.base, 0.55));
}

bool TitleStrip::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_SIZE:
      PlaceButtons(LOWORD(message.lParam));
      return true;
    case WM_ERASEBKGND:
      result = TRUE;
      return true;
    case WM_PAINT: {
      PaintDc paint(hwnd());
      Paint(paint.Get());
      return true;
    }
    case WM_NCHITTEST:
      // The strip itself drags the memo; its buttons are windows of their own.
      result = HTTRANSPARENT;
      return true;
    default:
      return false;
  }
}

}  // namespace quillet::win
