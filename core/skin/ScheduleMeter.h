#pragma once

#include <memory>
#include <string>
#include <vector>

#include "schedule/TodayItems.h"
#include "skin/Meter.h"
#include "time/Gregorian.h"

namespace quillet {

// Today's items as the schedule view's window has them (its schedules and the calendar's
// anniversaries), in the order it gives; it must outlive the meters.
class TodaySchedule {
 public:
  virtual ~TodaySchedule() = default;
  virtual std::vector<TodayItem> ItemsOf(const CivilDate& date, int hour, int minute) const = 0;
};

// Today's items under a head line with the solar and lunar date, each on its own body picture,
// closed by a tail picture (DrawType SCHEDULE, type 10). The list fills the window from its top
// left corner, whatever the meter's X and Y, as skins are drawn for.
class ScheduleMeter final : public Meter {
 public:
  ScheduleMeter();
  ~ScheduleMeter() override;

  // Takes "now" from the clock and today's items from the window; they stay until the next call,
  // which the window makes after a skin load and whenever today's data change.
  void Refresh();
  // Head, rows and tail: the height a skin without a background picture needs for every row.
  int ContentHeight() const;
  // What the view says, line by line: the head, then each row's time (when it has one) and text,
  // for the window's text that screen readers read.
  std::vector<std::string> Lines() const;

 protected:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure&) override {}
  void DrawType(Canvas& canvas) const override;

 private:
  struct Parts;
  std::string RowText(const TodayItem& item) const;
  std::unique_ptr<Parts> parts_;
};

}  // namespace quillet
