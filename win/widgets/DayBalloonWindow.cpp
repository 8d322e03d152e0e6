#include "widgets/DayBalloonWindow.h"

#include <algorithm>

#include "framework/Fonts.h"
#include "platform/Wide.h"

namespace quillet::win {

namespace {

constexpr const wchar_t* kBalloonClass = L"QuilletDayBalloon";
constexpr COLORREF kBackground = RGB(221, 240, 255);
constexpr COLORREF kBorder = RGB(110, 150, 200);
constexpr COLORREF kText = RGB(30, 30, 30);
constexpr COLORREF kHeading = RGB(20, 60, 130);
constexpr int kPadding = 10;
constexpr int kLineGap = 4;
constexpr int kPointer = 10;      // the pointer's height
constexpr int kPointerHalf = 8;   // half its base
constexpr int kTimeColumn = 60;
constexpr int kMinWidth = 180;
constexpr int kMaxTextWidth = 340;
constexpr int kCorner = 14;

SIZE TextSize(HDC dc, HFONT font, const std::wstring& text, int maxWidth) {
  const HGDIOBJ old = SelectObject(dc, font);
  RECT box{0, 0, maxWidth, 0};
  DrawTextW(dc, text.c_str(), -1, &box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  return SIZE{std::min<LONG>(box.right, maxWidth), box.bottom};
}

}  // namespace

WindowPtr<DayBalloonWindow> DayBalloonWindow::Make(HINSTANCE instance) {
  WindowClass balloonClass;
  balloonClass.name = kBalloonClass;
  if (!Register(instance, balloonClass)) return nullptr;
  WindowPtr<DayBalloonWindow> balloon(new DayBalloonWindow);
  if (!balloon->Create(instance, kBalloonClass, std::wstring(), WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                       Placement{0, 0, 10, 10})) {
    return nullptr;
  }
  return balloon;
}

// The fonts and measures follow the calendar's DPI.
void DayBalloonWindow::SetDpi(int dpi) {
  if (dpi == dpi_ && font_) return;
  dpi_ = dpi;
  const std::wstring face = KoreanFace();
  font_ = MakeFont(face, -Px(12), FW_NORMAL);
  bold_ = MakeFont(face, -Px(12), FW_BOLD);
}

// The box's size: the title, the anniversaries' heading and row, then one line a schedule.
SIZE DayBalloonWindow::Layout(HDC dc) const {
  int width = Px(kMinWidth - 2 * kPadding);
  int height = 0;
  const auto line = [&](HFONT font, const std::string& text, int indent) {
    const SIZE size = TextSize(dc, font, WidenCp949(text), Px(kMaxTextWidth));
    width = std::max<int>(width, indent + size.cx);
    height += size.cy + Px(kLineGap);
  };
  line(bold_.Get(), content_.title, 0);
  line(font_.Get(), content_.anniversaryHeader, 0);
  if (!content_.anniversaryRow.empty()) line(font_.Get(), content_.anniversaryRow, 0);
  height += Px(kLineGap);
  for (const DayScheduleRow& row : content_.schedules) line(font_.Get(), row.text, Px(kTimeColumn));
  return SIZE{width + 2 * Px(kPadding), height + 2 * Px(kPadding) - Px(kLineGap)};
}

void DayBalloonWindow::Show(const DayBalloon& content, const RECT& cell, int dpi) {
  SetDpi(dpi);
  content_ = content;
  SetWindowTextW(hwnd(), WidenCp949(content.title).c_str());  // for tools that look for it
  box_ = Layout(WindowDc(nullptr).Get());

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&cell, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  const int height = box_.cy + Px(kPointer);
  const int centre = (cell.left + cell.right) / 2;
  const int left = std::clamp<int>(centre - box_.cx / 2, area.left, std::max<int>(area.left, area.right - box_.cx));
  below_ = cell.top - height < area.top;
  const int top = below_ ? cell.bottom : cell.top - height;
  pointerX_ = std::clamp(centre - left, Px(kCorner), std::max<int>(Px(kCorner), box_.cx - Px(kCorner)));

  const int boxTop = below_ ? Px(kPointer) : 0;
  Region shape(CreateRoundRectRgn(0, boxTop, box_.cx + 1, boxTop + box_.cy + 1, Px(kCorner), Px(kCorner)));
  const POINT pointer[3] = {
      {pointerX_ - Px(kPointerHalf), below_ ? Px(kPointer) + 1 : box_.cy - 1},
      {pointerX_ + Px(kPointerHalf), below_ ? Px(kPointer) + 1 : box_.cy - 1},
      {pointerX_, below_ ? 0 : height},
  };
  const Region tip(CreatePolygonRgn(pointer, 3, WINDING));
  CombineRgn(shape.Get(), shape.Get(), tip.Get(), RGN_OR);
  SetWindowRgn(hwnd(), shape.Release(), FALSE);  // the window owns the region now
  SetWindowPos(hwnd(), HWND_TOPMOST, left, top, box_.cx, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void DayBalloonWindow::Hide() {
  if (IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_HIDE);
}

void DayBalloonWindow::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, Brush(CreateSolidBrush(kBackground)).Get());
  const Region shape(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(hwnd(), shape.Get()) != ERROR) {
    FrameRgn(dc, shape.Get(), Brush(CreateSolidBrush(kBorder)).Get(), 1, 1);
  }

  SetBkMode(dc, TRANSPARENT);
  int y = (below_ ? Px(kPointer) : 0) + Px(kPadding);
  const auto text = [&](HFONT font, COLORREF color, const std::string& line, int x) {
    const std::wstring wide = WidenCp949(line);
    const SIZE size = TextSize(dc, font, wide, Px(kMaxTextWidth));
    const HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, color);
    RECT box{x, y, box_.cx - Px(kPadding), y + size.cy};
    DrawTextW(dc, wide.c_str(), -1, &box, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    return size.cy + Px(kLineGap);
  };
  y += text(bold_.Get(), kHeading, content_.title, Px(kPadding));
  y += text(font_.Get(), kText, content_.anniversaryHeader, Px(kPadding));
  if (!content_.anniversaryRow.empty()) y += text(font_.Get(), RGB(170, 30, 30), content_.anniversaryRow, Px(kPadding));
  {
    const Pen rule(CreatePen(PS_SOLID, 1, kBorder));
    const Selection pen(dc, rule.Get());
    MoveToEx(dc, Px(kPadding), y + Px(kLineGap) / 2 - 1, nullptr);
    LineTo(dc, box_.cx - Px(kPadding), y + Px(kLineGap) / 2 - 1);
  }
  y += Px(kLineGap);
  for (const DayScheduleRow& row : content_.schedules) {
    text(font_.Get(), kHeading, row.time, Px(kPadding));
    y += text(font_.Get(), kText, row.text, Px(kPadding + kTimeColumn));
  }
}

LRESULT DayBalloonWindow::OnMessage(const Message& message) {
  switch (message.id) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd(), &paint);
      Paint(dc);
      EndPaint(hwnd(), &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the calendar under it keeps the mouse
    default:
      return Default(message);
  }
}

}  // namespace quillet::win
