#include "memo/TitleStrip.h"

#include <vector>

#include "framework/Gdi.h"
#include "framework/Pictures.h"
#include "memo/MemoLayout.h"
#include "resources/MemoResources.h"

namespace quillet::win {

namespace {

struct StripButton {
  int id;
  int picture;
  const char* tip;
  int x;  // from the left when not negative, else from the right
  int y;
};

// In the strip's order: pin and menu at the left, the rest measured from the right edge.
constexpr StripButton kButtons[] = {
    {IDC_STRIP_PIN, IDB_MEMO_PIN, "항상 위에", 3, 3},
    {IDC_STRIP_MENU, IDB_MEMO_MENU, "", 17, 4},
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

TitleStrip::TitleStrip(TitleStripOwner& owner) : Dialog(IDD_TITLE_STRIP), owner_(owner) {
  for (const StripButton& button : kButtons) buttons_.Add(button.id, button.picture, button.tip);
}

bool TitleStrip::Create(HWND memoWindow) { return CreateModeless({memoWindow, false, false}); }

bool TitleStrip::OnInit() {
  ShowButtons(true);
  return false;
}

void TitleStrip::SetColors(const MemoColors& colors, bool skinType) {
  colors_ = colors;
  skinType_ = skinType;
  buttons_.SetBackground(colors.buttons);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void TitleStrip::SetPinned(bool pinned) { buttons_.SetChecked(hwnd(), IDC_STRIP_PIN, pinned); }

void TitleStrip::ShowButtons(bool show) {
  for (const StripButton& button : kButtons) buttons_.Show(hwnd(), button.id, show);
}

void TitleStrip::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  buttons_.SetDpi(hwnd(), dpi);
  RECT client{};
  GetClientRect(hwnd(), &client);
  PlaceButtons(client.right);
}

void TitleStrip::PlaceButtons(int width) {
  for (const StripButton& button : kButtons) {
    const int x = AtDpi(button.x, dpi_);
    buttons_.Place(hwnd(), button.id, x >= 0 ? x : width + x, AtDpi(button.y, dpi_));
  }
}

void TitleStrip::Clicked(int id) {
  POINT corner{};
  if (id == IDC_STRIP_MENU) {
    // The menu opens at the menu button's bottom right.
    const SIZE size = PictureSize(ProgramPicture(IDB_MEMO_MENU));
    corner = POINT{AtDpi(kButtons[1].x + size.cx, dpi_), AtDpi(kButtons[1].y + size.cy, dpi_)};
    ClientToScreen(hwnd(), &corner);
  }
  owner_.OnStripButton(id, corner);
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
      buttons_.Paint(paint.Get());
      return true;
    }
    case WM_NCHITTEST: {
      // Only the buttons take the mouse; the rest of the strip drags the memo.
      POINT point{message.X(), message.Y()};
      ScreenToClient(hwnd(), &point);
      result = buttons_.Covers(point) ? HTCLIENT : HTTRANSPARENT;
      return true;
    }
    default: {
      int clicked = 0;
      const bool taken = buttons_.OnMouse(hwnd(), message, clicked);
      if (clicked) Clicked(clicked);
      return taken;
    }
  }
}

}  // namespace quillet::win
