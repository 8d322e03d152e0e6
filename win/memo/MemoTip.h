#pragma once

#include "framework/Dialog.h"
#include "memo/MemoEditor.h"
#include "memo/MemoPainting.h"

namespace quillet::win {

class MemoWindow;

// Its window text, by which tools find it; it shows no caption.
constexpr const wchar_t* kMemoTipTitle = L"Quillet Memo Tip";

// The memo tip (template 233): a folded memo's content shown read-only, over the place the memo
// would take unfolded, below its bar. Borderless, topmost and never active; it hides itself once
// the cursor has left the memo.
class MemoTip final : public Dialog, private MemoEditorHost {
 public:
  struct Services {
    const Settings& settings;  // "ColMemoTipArround", the data folder, the editor's font
    FileSystem& files;
    const Clock& clock;
  };
  // Hidden; nothing when it cannot be made.
  static WindowPtr<MemoTip> Make(const Services& services);

  // Saves the memo's changed content first, so the tip shows what the memo holds. Nothing
  // happens while the tip already shows that memo.
  void Show(MemoWindow& memo);
  void Hide();
  // The memo moved: the tip keeps its size and stays below the memo's right end.
  void Follow(const MemoWindow& memo);

 private:
  explicit MemoTip(const Services& services);

  bool OnInit() override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  // MemoEditorHost: never active, so the view lets the mouse through to the tip.
  bool IsHostActive() const override { return false; }
  bool IsExpanded() const override { return true; }
  int RecordedScrollLine() const override { return 0; }
  void RecordScrollLine(int) override {}

  bool CursorOnMemo() const;
  void Paint();

  Services services_;
  WindowPtr<MemoEditor> view_;
  HWND memo_ = nullptr;  // the memo shown, while the tip shows
  COLORREF back_ = 0;
  int border_ = kMemoTipBorder;  // at the shown memo's DPI
};

}  // namespace quillet::win
