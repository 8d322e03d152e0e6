#pragma once

#include "calendar/DayViews.h"
#include "framework/Gdi.h"
#include "framework/Window.h"
#include "geometry/Dpi.h"

namespace quillet::win {

// The calendar's balloon over a day: the date, its lunar date and anniversaries, its schedules;
// a rounded box with a pointer towards the day, shown without taking the focus.
class DayBalloonWindow final : public Window {
 public:
  static WindowPtr<DayBalloonWindow> Make(HINSTANCE instance);

  // Centred on the day's cell (screen coordinates), above it when there is room, else below;
  // drawn for the calendar's `dpi`.
  void Show(const DayBalloon& content, const RECT& cell, int dpi);
  void Hide();

 private:
  DayBalloonWindow() = default;
  LRESULT OnMessage(const Message& message) override;
  void Paint(HDC dc) const;
  SIZE Layout(HDC dc) const;
  void SetDpi(int dpi);
  int Px(int pixels) const { return AtDpi(pixels, dpi_); }  // at 96 DPI

  DayBalloon content_;
  Font font_;
  Font bold_;
  SIZE box_{};
  bool below_ = false;  // the pointer is on the top edge
  int pointerX_ = 0;    // where the pointer meets the box, in client coordinates
  int dpi_ = kBaseDpi;
};

}  // namespace quillet::win
