#pragma once

#include <vector>

#include "calendar/DayInfoRecord.h"
#include "skin/SkinWindow.h"
#include "skin/ScheduleMeter.h"

namespace quillet {
class ScheduleList;
struct WidgetSettings;
}  // namespace quillet

namespace quillet::win {

// What the schedule view reaches in the program (the main frame).
class ScheduleViewHost {
 public:
  virtual const ScheduleList& Schedules() const = 0;
  // The calendar's anniversaries; none without a calendar (then today has no items at all).
  virtual const std::vector<DayInfoRecord>* Anniversaries() const = 0;
  // A skin was chosen: every setting is saved at once.
  virtual void SaveScheduleViewSettings() = 0;

 protected:
  ~ScheduleViewHost() = default;
};

// Today at a glance: the skin's schedule meters list today's anniversaries, D-days and schedules
// under today's solar and lunar date. A skin without a background picture grows with its rows.
class ScheduleViewWindow final : public SkinWindow, private TodaySchedule {
 public:
  ScheduleViewWindow(const SkinWindowServices& services, WidgetSettings& settings, std::string skinRoot,
                     ScheduleViewHost& host);

  // Hidden, with everything from the settings.
  bool Create();
  void StoreState();
  // Today's items again (schedules or anniversaries changed, a new day), and the window redrawn.
  void Refresh();

 private:
  std::vector<TodayItem> ItemsOf(const CivilDate& date, int hour, int minute) const override;
  const TodaySchedule* TodayData() const override { return this; }

  bool OnInit() override;
  // "<DESTROY_WINDOW>" hides, as the view's menu does.
  void DestroyFromCommand() override { FadeOut(); }
  void OnSkinChosen() override;
  void OnMoved() override;
  void FitToRows();

  WidgetSettings& settings_;
  ScheduleViewHost& host_;
};

}  // namespace quillet::win
