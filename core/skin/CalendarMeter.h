#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "skin/Meter.h"
#include "time/Gregorian.h"

namespace quillet {

// The navigation words of the calendar's buttons (upper case): "PREVMONTH", "NEXTMONTH",
// "PREVYEAR", "NEXTYEAR", "RESETMONTH".
enum class CalendarNavigation { PreviousMonth, NextMonth, PreviousYear, NextYear, Reset };
std::optional<CalendarNavigation> CalendarNavigationOf(std::string_view command);

// The earliest and latest months the calendar shows: the lunar table's years.
constexpr int kFirstCalendarYear = 1900;
constexpr int kLastCalendarYear = 2049;

struct CalendarCell {
  CivilDate date;
  Rect cell;  // in window coordinates: x, y, 2 × DAY_W, DAY_H
};

// A month grid of day digits with the marks of today, Saturdays, Sundays and holidays,
// anniversaries, periods and optional day texts (DrawType CALENDAR, type 9). "Now" comes from the
// clock and the day data from the window, both through the MeterContext.
class CalendarMeter final : public Meter {
 public:
  CalendarMeter();
  ~CalendarMeter() override;

  void Navigate(CalendarNavigation navigation);
  int ShownYear() const;
  int ShownMonth() const;
  // The day cell at a window point, walking the cells as the draw does; none between cells.
  std::optional<CalendarCell> CellAt(int x, int y) const;
  // The cell of a day of the shown month.
  std::optional<CalendarCell> CellOf(int day) const;

 protected:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure& measure) override;
  void UpdateUnbound() override;
  void DrawType(Canvas& canvas) const override;

 private:
  struct Parts;
  // The shown month from today, Offset and the navigation offset, which stops at the table's ends.
  void Refresh();
  // Calls visit(day, x, y) for the cells in order until it returns false.
  template <typename Visit>
  void WalkCells(Visit visit) const;
  CalendarCell CellFor(int day, long long x, long long y) const;

  std::unique_ptr<Parts> parts_;
};

}  // namespace quillet
