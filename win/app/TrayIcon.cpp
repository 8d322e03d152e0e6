#include "app/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <utility>

#include "framework/Gdi.h"
#include "resources/ProgramMessages.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

constexpr UINT kIconId = IDI_QUILLET;
constexpr COLORREF kSundayText = RGB(255, 0, 0);
constexpr COLORREF kSaturdayText = RGB(0x3C, 0x3C, 0xFF);
constexpr COLORREF kDayText = RGB(0x32, 0x32, 0x32);
constexpr COLORREF kHolidayFrame = RGB(0xFF, 0x60, 0x60);

// A small calendar page with the day's number, framed on a holiday, drawn at the size the
// system asks of tray icons (16 pixels at 96 DPI), the page's parts in proportion.
OwnedIcon DrawDayIcon(const TrayIcon::Day& today) {
  const int size = std::max(GetSystemMetrics(SM_CXSMICON), 16);
  const auto part = [size](int at16) { return (at16 * size + 8) / 16; };
  WindowDc screen(nullptr);
  OwnedDc memory(CreateCompatibleDC(screen.Get()));
  const HDC dc = memory.Get();
  const Bitmap colour(CreateCompatibleBitmap(screen.Get(), size, size));
  const Bitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
  const HGDIOBJ oldBitmap = SelectObject(dc, colour.Get());
  const RECT page{0, 0, size, size};
  FillRect(dc, &page, Brush(CreateSolidBrush(RGB(252, 252, 248))).Get());
  const RECT band{0, 0, size, part(3)};
  FillRect(dc, &band, Brush(CreateSolidBrush(RGB(214, 64, 64))).Get());
  FrameRect(dc, &page, Brush(CreateSolidBrush(today.holiday ? kHolidayFrame : RGB(150, 150, 150))).Get());
  const Font font(CreateFontW(-part(13), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
  const HGDIOBJ oldFont = SelectObject(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, today.weekday == 0 ? kSundayText : today.weekday == 6 ? kSaturdayText : kDayText);
  RECT digits{0, part(2), size, size};
  const std::wstring number = std::to_wstring(today.day);
  DrawTextW(dc, number.c_str(), -1, &digits, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  SelectObject(dc, mask.Get());
  PatBlt(dc, 0, 0, size, size, BLACKNESS);  // every pixel opaque
  SelectObject(dc, oldBitmap);
  memory.Reset();
  screen.Reset();
  // The icon is made of copies: the bitmaps go with this scope.
  ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
  return OwnedIcon(CreateIconIndirect(&info));
}

}  // namespace

TrayIcon::TrayIcon(HWND frame, HINSTANCE instance)
    : frame_(frame),
      icon_(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUILLET), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0))) {}

TrayIcon::~TrayIcon() { Show(false); }

bool TrayIcon::Notify(DWORD action) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = frame_;
  data.uID = kIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayIconMessage;
  data.hIcon = Current();
  lstrcpynW(data.szTip, L"Quillet", ARRAYSIZE(data.szTip));
  return Shell_NotifyIconW(action, &data) != FALSE;
}

void TrayIcon::Show(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  // Added even if the shell is not up yet: "TaskbarCreated" adds it again when it comes.
  Notify(shown ? NIM_ADD : NIM_DELETE);
}

void TrayIcon::Update(const std::optional<Day>& today) {
  // The shell lets go of the old icon before it is destroyed.
  const OwnedIcon previous = std::exchange(dayIcon_, today ? DrawDayIcon(*today) : OwnedIcon());
  if (shown_) Notify(NIM_MODIFY);
}

void TrayIcon::Restore() {
  if (shown_) Notify(NIM_ADD);
}

}  // namespace quillet::win
