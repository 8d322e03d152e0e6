#pragma once

#include <array>
#include <functional>

#include "controls/ColorButton.h"
#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/ToolTips.h"
#include "geometry/Dpi.h"

namespace quillet::win {

class MemoEditor;
class SelectionFormat;

// The memo's format bar (template 154): bold, italic and underline toggles, text colour, size
// and face for the editor's selection. A hidden child of the memo window, which places it, shows
// it and deletes it through WindowPtr. After a change the editor has the keyboard again.
class FormatBar final : public Dialog {
 public:
  FormatBar();

  // `editor` outlives the bar.
  bool Create(HWND parentMemoWindow, MemoEditor& editor);
  // Shows the selection's bold, italic, underline, colour, size and face; the memo window calls
  // it on every EN_SELCHANGE. Sizes and faces that vary over the selection show nothing.
  void Sync();
  // The bar in the memo's colour (ColorsFor(base, …).formatBar); the menu colour until then.
  void SetBackground(COLORREF color);

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  void OnOK() override {}      // a child: Enter and Esc
  void OnCancel() override {}  // never close it
  bool OnMessage(const Message& message, LRESULT& result) override;

  void Apply(const std::function<void(SelectionFormat&)>& change);

  MemoEditor* editor_ = nullptr;
  std::array<BitmapButton, 3> toggles_;  // bold, italic, underline
  ColorButton color_;
  ToolTips tips_;
  Brush background_;
  int dpi_ = kBaseDpi;  // the memo's
};

}  // namespace quillet::win
