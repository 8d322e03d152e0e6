#include "app/AboutBox.h"

#include <string>

#include "framework/Dialog.h"
#include "framework/Fonts.h"
#include "framework/Gdi.h"
#include "framework/Screen.h"
#include "platform/Wide.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

constexpr SIZE kBoxSize{275, 131};
constexpr RECT kCloseButton{261, 3, 272, 14};  // one 11 × 11 cell of the close strip
constexpr int kCloseCell = 11;
constexpr RECT kTextArea{100, 18, 262, 124};
constexpr COLORREF kTitleColor = RGB(0x3A, 0x2E, 0x22);
constexpr COLORREF kTextColor = RGB(0x30, 0x30, 0x30);
constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverPollMilliseconds = 50;

// Program text: CP949, widened where it is drawn.
constexpr const char* kTitle = "Quillet";
constexpr const char* kLines[] = {
    "바탕화면 메모와 일정 알리미",
    "버전 1.0.0",
    "메모, 일정, 달력을 한곳에",
    "(C) 2026 Quillet Program",
};

class AboutDialog final : public Dialog {
 public:
  AboutDialog() : Dialog(IDD_ABOUT) {}

 private:
  bool OnInit() override {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    background_.Reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_ABOUT_BACKGROUND), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    closeStrip_.Reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_ABOUT_CLOSE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const std::wstring face = KoreanFace();
    titleFont_ = MakeFont(face, -20, FW_BOLD);
    textFont_ = MakeFont(face, -12, FW_NORMAL);

    MoveWindow(Item(IDC_ABOUT_CLOSE), kCloseButton.left, kCloseButton.top, kCloseButton.right - kCloseButton.left,
               kCloseButton.bottom - kCloseButton.top, FALSE);
    SetWindowPos(hwnd(), nullptr, 0, 0, kBoxSize.cx, kBoxSize.cy, SWP_NOMOVE | SWP_NOZORDER);
    CentreOnCursorMonitor(hwnd(), HWND_TOP);
    SetForegroundWindow(hwnd());
    return true;
  }

  void OnCommand(UINT id, UINT notification) override {
    if (id == IDC_ABOUT_CLOSE) {
      End(IDCANCEL);
      return;
    }
    Dialog::OnCommand(id, notification);
  }

  bool OnMessage(const Message& message, LRESULT& result) override {
    switch (message.id) {
      case WM_ERASEBKGND:
        result = TRUE;
        return true;
      case WM_PAINT: {
        PaintDc paint(hwnd());
        Paint(paint.Get());
        return true;
      }
      case WM_DRAWITEM:
        if (message.wParam != IDC_ABOUT_CLOSE) return false;
        PaintCloseButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam));
        result = TRUE;
        return true;
      case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(message.wParam) == Item(IDC_ABOUT_CLOSE) && !hot_) {
          SetHot(true);
          SetTimer(hwnd(), kHoverTimer, kHoverPollMilliseconds, nullptr);
        }
        return false;
      case WM_TIMER:
        if (message.TimerId() == kHoverTimer && !CursorOverCloseButton()) {
          KillTimer(hwnd(), kHoverTimer);
          SetHot(false);
        }
        return true;
      case WM_NCHITTEST:
        // The whole box moves by dragging; the close button keeps its clicks.
        result = HTCAPTION;
        return true;
      default:
        return false;
    }
  }

  bool CursorOverCloseButton() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT button{};
    GetWindowRect(Item(IDC_ABOUT_CLOSE), &button);
    return PtInRect(&button, cursor) != FALSE;
  }

  void SetHot(bool hot) {
    hot_ = hot;
    InvalidateRect(Item(IDC_ABOUT_CLOSE), nullptr, FALSE);
  }

  void Paint(HDC dc) const {
    OwnedDc source(CreateCompatibleDC(dc));
    {
      Selection picture(source.Get(), background_.Get());
      BitBlt(dc, 0, 0, kBoxSize.cx, kBoxSize.cy, source.Get(), 0, 0, SRCCOPY);
    }
    SetBkMode(dc, TRANSPARENT);
    RECT area = kTextArea;
    {
      Selection font(dc, titleFont_.Get());
      SetTextColor(dc, kTitleColor);
      const std::wstring title = WidenCp949(kTitle);
      area.top += DrawTextW(dc, title.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX) + 6;
    }
    Selection font(dc, textFont_.Get());
    SetTextColor(dc, kTextColor);
    for (const char* line : kLines) {
      const std::wstring text = WidenCp949(line);
      area.top += DrawTextW(dc, text.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX |
                                                               DT_END_ELLIPSIS) + 3;
    }
  }

  // The background under the button first, then the state's cell blended over it.
  void PaintCloseButton(const DRAWITEMSTRUCT& item) const {
    OwnedDc source(CreateCompatibleDC(item.hDC));
    {
      Selection picture(source.Get(), background_.Get());
      BitBlt(item.hDC, 0, 0, kCloseCell, kCloseCell, source.Get(), kCloseButton.left, kCloseButton.top, SRCCOPY);
    }
    const int cell = (item.itemState & ODS_SELECTED) ? 2 : hot_ ? 1 : 0;
    Selection strip(source.Get(), closeStrip_.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(item.hDC, 0, 0, kCloseCell, kCloseCell, source.Get(), cell * kCloseCell, 0, kCloseCell, kCloseCell,
               blend);
  }

  Bitmap background_;
  Bitmap closeStrip_;
  Font titleFont_;
  Font textFont_;
  bool hot_ = false;
};

}  // namespace

void ShowAboutBox(HWND owner) {
  AboutDialog dialog;
  dialog.RunModal(owner);
}

}  // namespace quillet::win
