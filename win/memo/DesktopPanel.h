#pragma once

#include <vector>

#include "framework/Dialog.h"
#include "geometry/Rect.h"
#include "memo/PanelZOrder.h"
#include "widgets/ShowingAtSetTimes.h"

namespace quillet {
struct GeneralSettings;
}

namespace quillet::win {

class DesktopPanel;

// What a dragged panel snaps to besides the screen and the monitors' work areas.
struct PanelNeighbours {
  std::vector<Rect> memos;    // the other visible memos of the group
  std::vector<Rect> widgets;  // the visible clock, calendar and schedule view
};

// What a panel needs from the program around it (the main frame).
class PanelHost {
 public:
  virtual PanelNeighbours Neighbours(const DesktopPanel& panel) const = 0;
  // "메모위치에 정렬": place the panel as arranging a memo would.
  virtual void ArrangePanel(DesktopPanel& panel) = 0;
  // Where program-wide commands go: "프로그램 종료" and the "다른 그룹 열기" items.
  virtual HWND CommandTarget() const = 0;

 protected:
  ~PanelHost() = default;
};

struct PanelServices {
  const GeneralSettings& general;  // the working values, so that changes apply at once
  PanelHost& host;
};

// The base of every window the user places on the desktop (memos, widgets): z-position, layered
// transparency, fades, mouse-over hiding, temporary show and raise, docking while moving or
// sizing, the corner commands and the exit question on Alt+F4. A modeless dialog without owner
// or taskbar button that keeps Tab, Enter and Esc for itself; derived panels answer the virtual
// operations and pass the messages they do not take on to DesktopPanel::OnMessage.
class DesktopPanel : public Dialog {
 public:
  bool Create();

  ZPosition zPosition() const { return zPosition_; }
  void SetZPosition(ZPosition z);
  void FadeIn();
  void FadeOut();
  // Shows the panel in front for `milliseconds` and then fades it out; -1 keeps it.
  void BeginTemporaryShow(int milliseconds);
  void EndTemporaryShow();
  // On: always on top and in front for a while; off: back to the z-position it had.
  void Raise(bool on);
  // Where a panel saved at `saved` goes: there when its centre lies on a monitor's work area,
  // else right-aligned to the new-memo rectangle.
  Point CheckedPosition(Point saved, const Rect& newMemoRect) const;

  PanelShowState ShowState() const;
  // The panel's rectangle on the screen, as docking and arranging see it.
  virtual Rect GetPanelRect() const;
  bool modified() const { return modified_; }
  void ClearModified() { modified_ = false; }
  bool active() const { return active_; }
  bool movable() const { return movable_; }
  void SetMovable(bool movable) { movable_ = movable; }
  // Set by the corner commands.
  Point savedPosition() const { return savedPosition_; }
  void SetMouseOverHidingEnabled(bool enabled) { mouseOverHiding_ = enabled; }

 protected:
  DesktopPanel(int templateId, const PanelServices& services);

  // The operations derived panels answer.
  virtual void HideAfterFade() {}
  virtual BYTE GetTargetAlpha() const { return 255; }
  virtual bool SetPanelAlpha(COLORREF key, BYTE alpha, DWORD flags);
  virtual void OnActivatePanel(bool active);
  virtual bool IsMouseOverHiding() const { return mouseOverHiding_; }
  virtual void ShowPanel() { FadeIn(); }

  void SetModified() { modified_ = true; }
  void StartMouseOverHiding();
  const PanelServices& services() const { return services_; }

  // Derived panels call these first when they override them.
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  // Enter and Esc never close a panel.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  enum class Fade { Idle, FadingOut, FadingIn, InRequested };

  void ApplyAlpha(double alpha);
  void MakeClickThrough(bool through);
  bool CursorInside() const;
  void FadeInStep();
  void FadeOutStep();
  void HidingStep();
  void HiddenCheck();
  void OnMoving(RECT& proposed) const;
  void OnSizing(WPARAM edge, RECT& proposed) const;
  void MoveToCorner(bool right, bool bottom);
  void AskToExit();

  PanelServices services_;
  bool modified_ = false;
  bool active_ = false;
  ZPosition zPosition_ = ZPosition::Normal;
  bool movable_ = true;
  POINT pressPoint_{};
  RECT pressRect_{};
  int fadeStep_ = 0;
  Fade fade_ = Fade::Idle;
  ZPosition raisedFrom_ = ZPosition::Normal;
  bool mouseOverHiding_ = false;
  bool hiding_ = false;
  bool hidingInProgress_ = false;
  int hidingStep_ = 5;
  Point savedPosition_;
};

}  // namespace quillet::win
