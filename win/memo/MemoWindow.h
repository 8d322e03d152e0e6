#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/ColorChoice.h"
#include "framework/Handles.h"
#include "framework/PictureButtons.h"
#include "memo/DesktopPanel.h"
#include "memo/MemoColors.h"
#include "memo/MemoEditor.h"
#include "memo/MemoLayout.h"
#include "memo/MemoRecord.h"
#include "memo/RecycleBin.h"
#include "memo/TitleStrip.h"

namespace quillet {
class Clock;
class FileSystem;
class SettingsStore;
}  // namespace quillet

namespace quillet::win {

class FormatBar;
class MemoWindow;

// The main frame's side of its memo windows.
class MemoWindowHost : public PanelHost {
 public:
  // Set while the frame creates or shows every memo of a group one after another; activations
  // then skip their redraws.
  virtual bool BulkOperation() const = 0;
  virtual void ShowMemoTip(const MemoWindow& memo) = 0;
  virtual void HideMemoTip() = 0;
  // A folded memo moved: its tip goes along.
  virtual void FoldedMemoMoved(const MemoWindow& memo) = 0;
  // Fills the "다른그룹으로 보내기" submenu (commands 5424…) and the "다른 그룹 열기" submenu
  // (5224…) with the group names; the group files listed, in the menus' order.
  virtual std::vector<std::string> FillGroupMenus(HMENU sendTo, HMENU openGroup) = 0;
  // The tray's menu, "다른 그룹 열기" filled, for "확장 메뉴". Nothing when it cannot be made.
  virtual OwnedMenu MakeProgramMenu() = 0;

 protected:
  ~MemoWindowHost() = default;
};

struct MemoServices {
  SettingsStore& settings;  // "DefaultColorType" and "TitleFont" are written the moment they change
  FileSystem& files;
  const Clock& clock;
  HFONT editTimeFont;  // the program's shared Tahoma
  MemoWindowHost& host;
  std::function<void(const std::string&)> openAddress;
};

// One memo on the desktop: a borderless panel with its rich-text editor, a 17-pixel title strip
// with seven buttons, an optional format bar, and its own frame. It folds to a short bar at its
// right edge, takes the palette colours, blinks, and carries every per-memo command. Its record
// is the authoritative copy while it is open.
class MemoWindow final : public DesktopPanel, private MemoEditorHost, private TitleStripOwner {
 public:
  // A new memo at `place` with a content file of that name, in the default (or a random) colour.
  // Nothing when it cannot be made.
  static WindowPtr<MemoWindow> CreateNew(const MemoServices& services, const Rect& place,
                                         const std::string& contentFile);
  // A memo of the group, hidden; the caller applies its z-position, shows it and gives the last
  // memo of the group the focus (each one in turn would only pass activation along).
  static WindowPtr<MemoWindow> CreateFromRecord(const MemoServices& services, const MemoRecord& record);
  ~MemoWindow() override;

  const MemoRecord& record() const { return record_; }
  MemoEditor& editor() { return *editor_; }
  bool expanded() const { return record_.expanded != 0; }

  void ApplyZPosition(ZPosition z);
  void ApplyRecordedZPosition();
  void SetColorIndex(int index);
  void SetBaseColor(Colorref base);
  // Folds or unfolds at the right edge; the alpha at the end is the inactive one when
  // `inactive`, else 255.
  void Fold(bool expanded, bool inactive);
  void Flash(bool expandFirst);
  // The preferences changed: size, look and inactive transparency again.
  void ApplySettings();
  // The inactive transparency of its kind again, as a transparency slider moves.
  void ApplyInactiveAlpha();
  // Writes the editor's content to its file. False when it could not; a memo whose file could
  // not be read never writes it.
  bool SaveContent();
  // Unsaved content written beside its file when it cannot be saved and nobody can be asked
  // (Windows ends the session). False when even that failed.
  bool SaveUnsavedCopy() const;
  // Whether the content waits to be saved: forced, whenever it is modified; otherwise only once
  // its length has stayed the same since the previous question (typing pauses).
  bool ContentToSave(bool forced);
  // Stamps the edit time after a save.
  void SetEditTime(const std::string& text) { record_.editTime = text; }
  // The content file exists but could not be read: the memo stays read-only and its file untouched.
  bool contentUnreadable() const { return contentUnreadable_; }

 private:
  explicit MemoWindow(const MemoServices& services);

  // DesktopPanel
  Rect GetPanelRect() const override { return record_.windowRect; }
  BYTE GetTargetAlpha() const override;
  void OnActivatePanel(bool active) override;
  bool IsMouseOverHiding() const override;
  void ShowPanel() override { FadeIn(); }
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  // MemoEditorHost
  bool IsHostActive() const override { return active(); }
  bool IsExpanded() const override { return expanded(); }
  int RecordedScrollLine() const override { return record_.scrollLine; }
  void RecordScrollLine(int firstVisibleLine) override;

  // TitleStripOwner
  void OnStripButton(int id, POINT menuCorner) override;

  const GeneralSettings& general() const;
  bool SimpleView() const;
  // The folded memo's tip comes with a click on it.
  bool TipOnSelection() const;
  MemoViewState ViewState() const;
  // The chrome's measures at the DPI of the monitor the memo is on.
  MemoMeasures Measures() const;
  // "ContractDX", a width at 96 DPI, at that DPI.
  int FoldedWidth(const MemoMeasures& m) const { return m.Scaled(general().contractDx); }
  Size ClientSize() const;
  void ApplyColors(const MemoColors& colors);
  void Layout();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void ShowParts();
  void RecordWindowRect();
  Size TitleTextSize() const;
  void LoadContent();
  void ScrollToRecordedLine();
  void ApplyNewMemoFormat();
  LRESULT HitTest(const Message& message);
  void OnDoubleClick(const Message& message);
  void OnNotify(const NMHDR& header, LRESULT& result);
  bool OnLink(const ENLINK& link);
  void ShowMemoMenu(POINT at);
  void FlashStep();
  void TogglePin();
  void ToggleFormatBar();
  void SetFormatBar(bool shown);
  void NextColor();
  void EditTitle();
  void Delete();
  void SaveAsFile();
  void OpenInWordPad();
  void Print();
  std::string ContentPath() const;
  // Work that may destroy this memo, asked of the program and run after this handler returns.
  void AskToDelete(MemoRemoval how) const;
  void AskToMove(const std::string& groupFile) const;
  void AskForNewMemo() const;

  MemoServices services_;
  MemoRecord record_;
  WindowPtr<MemoEditor> editor_;
  WindowPtr<TitleStrip> strip_;
  WindowPtr<FormatBar> formatBar_;
  PictureButtons foldedButtons_;  // expand (1009) and title (1010)
  MemoColors colors_;
  bool contentUnreadable_ = false;
  bool ctrlDragging_ = false;
  int dpi_ = kBaseDpi;  // of the monitor the memo is on
  int flashCount_ = 0;
  int rememberedLength_ = 0;
  CustomColors customColors_{};
  bool deleteDialogOpen_ = false;
  bool titleDialogOpen_ = false;
  std::vector<std::string> sendTargets_;  // the group files of the last "다른그룹으로 보내기"
};

}  // namespace quillet::win
