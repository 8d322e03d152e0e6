#include "schedule/TimePickerDialog.h"

#include <algorithm>
#include <array>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/OwnerDrawnButton.h"
#include "resources/ScheduleResources.h"
#include "schedule/DateKeys.h"

namespace quillet::win {

namespace {

constexpr int kHours = IDC_HOUR_LAST - IDC_HOUR_FIRST + 1;
constexpr int kMinutes = IDC_MINUTE_LAST - IDC_MINUTE_FIRST + 1;

constexpr COLORREF kNumberText = RGB(50, 50, 50);
constexpr COLORREF kFiveMinutesText = RGB(255, 0, 0);  // the minutes one reads off a clock face
constexpr COLORREF kCellFill = RGB(255, 255, 255);
constexpr COLORREF kCellEdge = RGB(200, 200, 200);
constexpr COLORREF kPressedFill = RGB(204, 228, 247);
constexpr COLORREF kChosenFill = RGB(0, 120, 215);
constexpr COLORREF kChosenEdge = RGB(0, 84, 153);
constexpr COLORREF kChosenText = RGB(255, 255, 255);
constexpr int kCornerDiameter = 5;

// One hour or minute of the grids: its number on white, or in bold white on the accent while
// it is the one chosen.
class TimeCell final : public OwnerDrawnButton {
 public:
  void SetLook(COLORREF text, HFONT chosenFont) {
    text_ = text;
    chosenFont_ = chosenFont;
  }
  void SetChosen(bool chosen) {
    if (chosen == chosen_) return;
    chosen_ = chosen;
    Redraw();
  }

 private:
  void Draw(const DRAWITEMSTRUCT& item) const override {
    const HDC dc = item.hDC;
    const RECT& area = item.rcItem;
    FillBackground(dc, area);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    Brush fill(CreateSolidBrush(chosen_ ? kChosenFill : pressed ? kPressedFill : kCellFill));
    Pen edge(CreatePen(PS_SOLID, 1, chosen_ ? kChosenEdge : kCellEdge));
    {
      Selection brush(dc, fill.Get());
      Selection pen(dc, edge.Get());
      RoundRect(dc, area.left, area.top, area.right, area.bottom, kCornerDiameter, kCornerDiameter);
    }

    wchar_t number[4] = {};
    GetWindowTextW(hwnd(), number, 4);
    const auto ownFont = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    Selection font(dc, chosen_ && chosenFont_ ? chosenFont_ : ownFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, chosen_ ? kChosenText : text_);
    RECT text = area;
    DrawTextW(dc, number, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
      RECT focus = area;
      InflateRect(&focus, -2, -2);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      DrawFocusRect(dc, &focus);
    }
  }

  COLORREF text_ = kNumberText;
  HFONT chosenFont_ = nullptr;
  bool chosen_ = false;
};

// Top-left at the time button's bottom-left, moved no more than it takes to lie wholly in the
// work area of the monitor there (the top-left wins on a screen too small for the whole).
void PlaceUnder(HWND dialog, HWND timeButton) {
  RECT button{};
  if (!timeButton || !GetWindowRect(timeButton, &button)) return;
  const POINT corner{button.left, button.bottom};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromPoint(corner, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  RECT window{};
  GetWindowRect(dialog, &window);
  const RECT& area = monitor.rcWork;
  const int x = std::max<int>(area.left, std::min<int>(corner.x, area.right - (window.right - window.left)));
  const int y = std::max<int>(area.top, std::min<int>(corner.y, area.bottom - (window.bottom - window.top)));
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

class TimePickerDialog final : public Dialog {
 public:
  TimePickerDialog(HWND timeButton, PickedTime time, const Clock& clock)
      : Dialog(IDD_TIME_PICKER), timeButton_(timeButton), picked_(time), clock_(clock) {}

  PickedTime picked() const { return picked_; }

 private:
  bool OnInit() override {
    MakeChosenFont();
    for (int hour = 0; hour < kHours; ++hour) {
      TimeCell& cell = hours_[static_cast<std::size_t>(hour)];
      cell.Take(Item(IDC_HOUR_FIRST + hour));
      cell.SetLook(kNumberText, chosenFont_.Get());
    }
    for (int minute = 0; minute < kMinutes; ++minute) {
      TimeCell& cell = minutes_[static_cast<std::size_t>(minute)];
      cell.Take(Item(IDC_MINUTE_FIRST + minute));
      cell.SetLook(minute % 5 == 0 ? kFiveMinutesText : kNumberText, chosenFont_.Get());
    }
    HourCell(picked_.hour).SetChosen(true);
    MinuteCell(picked_.minute).SetChosen(true);
    PlaceUnder(hwnd(), timeButton_);
    SetFocus(HourCell(picked_.hour).hwnd());
    return false;
  }

  void OnCommand(UINT id, UINT notification) override {
    const bool clicked = notification == BN_CLICKED || notification == BN_DOUBLECLICKED;
    const int item = static_cast<int>(id);
    if (clicked && item >= IDC_HOUR_FIRST && item <= IDC_HOUR_LAST) {
      HourCell(picked_.hour).SetChosen(false);
      picked_.hour = item - IDC_HOUR_FIRST;
      HourCell(picked_.hour).SetChosen(true);
    } else if (clicked && item >= IDC_MINUTE_FIRST && item <= IDC_MINUTE_LAST) {
      MinuteCell(picked_.minute).SetChosen(false);
      picked_.minute = item - IDC_MINUTE_FIRST;
      MinuteCell(picked_.minute).SetChosen(true);
    } else if (item == IDC_PICK_NOW) {
      const LocalMinute now = ToLocalMinute(clock_.Now());
      picked_ = PickedTime{now.hour, now.minute};
      End(IDOK);
    } else {
      Dialog::OnCommand(id, notification);
    }
  }

  // The chosen number in bold, so the choice does not rest on colour alone.
  void MakeChosenFont() {
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (!dialogFont || !GetObjectW(dialogFont, sizeof font, &font)) return;
    font.lfWeight = FW_BOLD;
    chosenFont_.Reset(CreateFontIndirectW(&font));
  }

  TimeCell& HourCell(int hour) { return hours_[static_cast<std::size_t>(hour)]; }
  TimeCell& MinuteCell(int minute) { return minutes_[static_cast<std::size_t>(minute)]; }

  HWND timeButton_;
  PickedTime picked_;
  const Clock& clock_;
  Font chosenFont_;
  std::array<TimeCell, kHours> hours_;
  std::array<TimeCell, kMinutes> minutes_;
};

}  // namespace

std::optional<PickedTime> PickTime(HWND owner, HWND timeButton, int hour, int minute, const Clock& clock) {
  TimePickerDialog dialog(timeButton, PickedTime{std::clamp(hour, 0, kHours - 1), std::clamp(minute, 0, kMinutes - 1)},
                          clock);
  if (dialog.RunModal(owner) != IDOK) return std::nullopt;
  return dialog.picked();
}

}  // namespace quillet::win
