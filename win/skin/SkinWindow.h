#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "geometry/Dpi.h"
#include "memo/DesktopPanel.h"
#include "skin/SkinBuilder.h"
#include "skin/SkinList.h"
#include "skin/SkinWindowRules.h"

namespace Gdiplus {
class Bitmap;
}

namespace quillet {
class ButtonMeter;
class CalendarDays;
class TodaySchedule;
class LauncherItems;
class Clock;
class FileSystem;
}  // namespace quillet

namespace quillet::win {

class GdiPlusCanvas;
class GdiPlusImageLoader;
class LayeredSurface;
class SkinWindow;

// What a skin window needs from the program around it (the main frame), besides a panel's.
class WidgetHost : public PanelHost {
 public:
  // The program's own menu (the tray's commands, "다른 그룹 열기" filled) for "확장 메뉴". Nothing
  // when it cannot be made.
  virtual OwnedMenu MakeProgramMenu() = 0;
  // "<DESTROY_WINDOW>" on a widget that does not hide instead: the host destroys it once the
  // handler running the command has returned, and forgets it.
  virtual void DestroyWidget(SkinWindow& widget) = 0;
  // The setup words of a skin: the preferences' clock and calendar pages, the schedule manager,
  // a new schedule.
  virtual void RunSetupCommand(SkinCommand command) = 0;

 protected:
  ~WidgetHost() = default;
};

struct SkinWindowServices {
  PanelServices panel;  // its host is `host`
  WidgetHost& host;
  FileSystem& files;
  const Clock& clock;
  HINSTANCE instance;
  // The program's folder and the one where the files it keeps beside itself go: they differ
  // when it cannot write its own, and an edited skin then goes to a copy in the user's.
  std::string programFolder;
  std::string userFilesFolder;
};

// A skin on the desktop: a borderless panel whose every pixel comes from the skin, composed into
// a premultiplied surface and presented with UpdateLayeredWindow. Widgets derive from it and
// answer the virtual operations; the base alone shows the placeholder skin with menu 199.
class SkinWindow : public DesktopPanel {
 public:
  SkinWindow(const SkinWindowServices& services, std::string skinRoot);
  ~SkinWindow() override;

  // Hidden at `position`, with the skin of `skinPath` (the built-in one when it is empty or
  // cannot be loaded) at z-position `zPosition`. False when the window cannot be made.
  bool Create(Point position, const std::string& skinPath, ZPosition zPosition, BYTE alpha);

  // The skin the user chose, kept even while a broken one shows the built-in skin.
  const std::string& chosenSkin() const { return chosenSkin_; }
  // The file the window shows; empty for the built-in skin.
  const std::string& loadedSkin() const { return loadedSkin_; }
  void LoadSkin(const std::string& path);
  // The built-in skin, forgetting the chosen one.
  void LoadDefaultSkin();
  void Redraw();
  BYTE alpha() const { return alpha_; }
  void SetTransparency(BYTE alpha);
  // The window's size on the screen: the skin's, scaled to the monitor's DPI.
  Size size() const;
  bool HasSkin() const { return skin_.has_value(); }

 protected:
  SkinWindow(int templateId, int menuId, const SkinWindowServices& services, std::string skinRoot);

  // The widget's built-in skin: its text and background resource.
  virtual void BuildDefaultSkin();
  void BuildFromText(const std::string& text, int backgroundResource);
  void BuildFromSkinFile(const SkinFile& file, int backgroundResource);
  // A widget's own command words (upper-cased), before the base's; true when taken.
  virtual bool RunWidgetCommand(const std::string&) { return false; }
  // "<DESTROY_WINDOW>"; the clock hides instead.
  virtual void DestroyFromCommand();
  virtual void OnDoubleClick();
  // A skin chosen from the menu or the default command, after it loaded.
  virtual void OnSkinChosen() {}
  // The menu resource for a right click at a client point.
  virtual int MenuAt(POINT) const { return menuId_; }
  // The widget's own checks in its menu.
  virtual void PrepareMenu(HMENU) {}
  // What the calendar and schedule meters of the skin show; none for other widgets.
  virtual const CalendarDays* CalendarData() const { return nullptr; }
  virtual const TodaySchedule* TodayData() const { return nullptr; }
  virtual const LauncherItems* LauncherData() const { return nullptr; }
  // Points of the picture that take clicks (besides its buttons) instead of dragging it.
  virtual bool TakesClicksAt(POINT) const { return false; }
  // The skin's own height, before any ResizeSkin.
  int skinHeight() const { return skin_ ? skin_->height : 0; }
  // A skin without a background picture drawn at another height.
  void ResizeSkin(int height);
  // A move the user or a command made, once the window has a skin.
  virtual void OnMoved() {}
  // The skin is drawn at 96 DPI and shown scaled: a client point or length on the screen in the
  // skin's own pixels, and where the cursor is in them.
  POINT ToSkin(POINT client) const;
  RECT FromSkin(RECT skin) const;
  int ToSkinLength(int pixels) const;
  POINT CursorInSkin() const;

  BYTE GetTargetAlpha() const override { return alpha_; }
  void HideAfterFade() override;
  bool SetPanelAlpha(COLORREF key, BYTE alpha, DWORD flags) override;
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  const SkinWindowServices& skinServices() const { return services_; }
  BuiltSkin* builtSkin() { return skin_ ? &*skin_ : nullptr; }
  const BuiltSkin* builtSkin() const { return skin_ ? &*skin_ : nullptr; }
  void RunCommand(const std::string& command);

 private:
  bool Build(const SkinFile& file, const std::string& folder, std::optional<int> backgroundResource);
  bool MakeSurface(int width, int height);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void Present();
  void ShowContextMenu(POINT at);
  void EditSkin();
  void ShowAboutImage();
  LRESULT HitTest(const Message& message) const;
  bool TrackButtons(POINT client, bool down, std::vector<std::string>* pressedCommands);
  std::vector<ButtonMeter*> Buttons() const;

  int menuId_;
  SkinWindowServices services_;
  std::string skinRoot_;
  std::string editedRoot_;  // where edits of its skins go; empty: to the skins themselves
  std::unique_ptr<GdiPlusImageLoader> images_;
  std::optional<BuiltSkin> skin_;
  std::unique_ptr<LayeredSurface> surface_;
  std::unique_ptr<Gdiplus::Bitmap> skinPixels_;  // the skin at 96 DPI, when the screen has more
  std::unique_ptr<GdiPlusCanvas> canvas_;
  std::vector<SkinChoice> skinList_;
  std::string chosenSkin_;
  std::string loadedSkin_;
  int width_ = 0;  // the skin's, at 96 DPI
  int height_ = 0;
  int dpi_ = kBaseDpi;
  int updateInterval_ = 1000;
  BYTE alpha_ = 255;       // the user's transparency
  BYTE shownAlpha_ = 255;  // what the window blends with now, fades included
  bool layeredPending_ = false;
  bool trackingLeave_ = false;
};

}  // namespace quillet::win
