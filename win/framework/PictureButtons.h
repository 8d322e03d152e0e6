#pragma once

#include <string>
#include <vector>

#include "framework/WindowBase.h"
#include "geometry/Dpi.h"

namespace quillet::win {

// Small picture buttons that the window they sit on draws and hit-tests itself: a memo carries
// nine, and a window for each would make a hundred memos slow to open. They light up under the
// mouse, look pressed in while held or checked, and share one tooltip control, made the first
// time the mouse passes.
class PictureButtons {
 public:
  PictureButtons() = default;
  ~PictureButtons();
  PictureButtons(const PictureButtons&) = delete;
  PictureButtons& operator=(const PictureButtons&) = delete;

  // Hidden until placed. `tip` is program text (CP949); empty for none.
  void Add(int id, int picture, std::string tip);
  // Each button takes its picture's 96-DPI size scaled to `dpi`, with the picture drawn for the
  // nearest scale in its middle. The host places the buttons again after.
  void SetDpi(HWND host, int dpi);
  void Place(HWND host, int id, int x, int y);
  void Show(HWND host, int id, bool show);
  void SetChecked(HWND host, int id, bool checked);
  void SetBackground(COLORREF color) { background_ = color; }

  void Paint(HDC dc) const;
  // Whether a shown button lies under `point` (client coordinates).
  bool Covers(POINT point) const;
  // The host's client mouse messages; true when a button took the message. A press and a release
  // on one button set `clicked` to its id.
  bool OnMouse(HWND host, const Message& message, int& clicked);

 private:
  struct Button {
    int id;
    int pictureId;
    HBITMAP picture;
    SIZE size;  // the slot at the current DPI
    POINT at{};
    bool visible = false;
    bool checked = false;
    std::string tip;
    RECT Area() const { return RECT{at.x, at.y, at.x + size.cx, at.y + size.cy}; }
  };

  int IndexAt(POINT point) const;
  int IndexOf(int id) const;
  void Invalidate(HWND host, int index) const;
  void Relay(HWND host, const Message& message);
  void UpdateTip(HWND host, int index) const;
  void TakePicture(Button& button) const;

  std::vector<Button> buttons_;
  COLORREF background_ = GetSysColor(COLOR_BTNFACE);
  int dpi_ = kBaseDpi;
  int hot_ = -1;
  int pressed_ = -1;
  HWND tips_ = nullptr;
};

}  // namespace quillet::win
