#pragma once

#include <cstdint>

#include "skin/SkinWindow.h"
#include "widgets/ClockHeartbeat.h"

namespace quillet {
struct ClockSettings;
}

namespace quillet::win {

// What the clock's heartbeat and choices reach in the program (the main frame).
class ClockHost {
 public:
  virtual void OnMinute(const LocalMinute& now) = 0;
  virtual void OnDayChanged(const LocalMinute& now) = 0;
  // A skin was chosen: every setting is saved at once.
  virtual void SaveSettings() = 0;

 protected:
  ~ClockHost() = default;
};

// The clock on the desktop, and the program's one-second heartbeat: its timer runs from creation
// to destruction, shown or hidden, and tells the host of every new minute and day.
class ClockWindow final : public SkinWindow {
 public:
  // `skinRoot`: the "ClockSkin\" folder whose subfolders hold the skins of the menu.
  ClockWindow(const SkinWindowServices& services, ClockSettings& settings, std::string skinRoot, ClockHost& host);

  // Hidden, with everything from the settings; the heartbeat starts.
  bool Create();
  // Shown in front for `milliseconds`, then faded out; -1 keeps it.
  void ShowFor(int milliseconds) { BeginTemporaryShow(milliseconds); }
  // "ViewMode": 0 shows it for good, 1 and 2 fade it out (2 shows it again at the set times).
  void SetViewMode(ClockViewMode mode);
  // The state the settings keep, into the working values.
  void StoreState();
  // The next tick reports its minute again.
  void RequestMinuteCheck() { heartbeat_.RequestMinuteCheck(); }
  void MarkDaySeen(std::int64_t dayKey) { heartbeat_.MarkDaySeen(dayKey); }

 private:
  void Tick();
  void SpecialTime(const LocalTime& now);
  void ForgetSpecialTimeRaise();

  bool OnInit() override;
  void BuildDefaultSkin() override;
  void DestroyFromCommand() override;
  void OnDoubleClick() override;
  void OnSkinChosen() override;
  void PrepareMenu(HMENU popup) override;
  void OnMoved() override;
  void HideAfterFade() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  ClockSettings& settings_;
  ClockHost& host_;
  ClockHeartbeat heartbeat_;
  bool raisedBySpecialTime_ = false;
  ZPosition zBeforeRaise_ = ZPosition::Normal;
};

}  // namespace quillet::win
