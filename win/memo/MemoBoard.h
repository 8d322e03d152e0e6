#pragma once

#include <functional>
#include <string>
#include <vector>

#include "memo/MemoTip.h"
#include "memo/Arranging.h"
#include "memo/MemoListStore.h"
#include "memo/MemoRecord.h"
#include "memo/RecycleBin.h"
#include "memo/MemoWindow.h"

namespace quillet {
class Clock;
class FileSystem;
class SettingsStore;
class TextCodec;
}  // namespace quillet

namespace quillet::win {

// The memos of the current group: their records in list order, their windows, and the list file
// they are written to. It answers the memo windows' questions on the main frame's behalf.
class MemoBoard final : public MemoWindowHost {
 public:
  struct Services {
    HWND frame;  // where the memo windows report, and the owner of the messages
    SettingsStore& settings;
    FileSystem& files;
    const TextCodec& codec;
    const Clock& clock;
    HFONT editTimeFont;
    std::function<void()> closeGroupDialogs;  // the dialogs that belong to the open group
    std::function<OwnedMenu()> makeProgramMenu;   // the tray's menu, for the memos' "확장 메뉴"
    // Memos still wait for their windows: MakeWaitingWindows, please, on a later turn of the
    // message loop (after input and painting).
    std::function<void()> continueOpening;
  };
  explicit MemoBoard(const Services& services);
  ~MemoBoard();
  MemoBoard(const MemoBoard&) = delete;
  MemoBoard& operator=(const MemoBoard&) = delete;

  enum class Report {
    Failures,  // every failure gets its message
    Once,      // the periodic save: one message, then quiet until a save succeeds again
    Asked,     // the caller asks what to do about a failure, which then counts as said; where data
               // went instead is still said
    Nothing,   // the end of a Windows session: nothing may wait for the user
  };

  // Saves and closes the open group and opens `group`: one window per memo, shown when
  // "ViewMemoOnStart" is on, and a new memo when the group is empty. Unless `force`, the open
  // group is left alone. False when no data folder can be made: the program cannot go on.
  // A switch stops, after saying so, when the open group's memos or list cannot be saved.
  // A large group's windows come in slices: what the first does not make, MakeWaitingWindows
  // makes on later turns of the loop, so the program answers while they come.
  bool OpenGroup(const std::string& group, bool force);
  // Makes waiting windows in list order for `milliseconds` (kEveryWindow: all of them); asks for
  // another turn when some still wait.
  static constexpr DWORD kEveryWindow = INFINITE;
  void MakeWaitingWindows(DWORD milliseconds);
  // The open group closed with everything saved, `folder` the data folder, `group` opened there.
  void ChangeDataFolder(const std::string& folder, const std::string& group);
  // A memo of a content file back in the open group: default look, at the new-memo place,
  // shown without activation, then brought forward; `save` writes the list.
  bool RestoreMemo(const std::string& contentFile, bool save);
  // A capture memo at `place` showing `picture`, saved and written to the list at once, brought
  // forward and flashed; always on top when `onTop`.
  void AddPictureMemo(const Rect& place, HBITMAP picture, bool onTop);
  // The same at the new-memo place with what the clipboard holds: its text pasted, or a picture
  // alone inserted as a capture's is.
  void AddClipboardMemo(bool onTop);
  // "다른 그룹 열기": the group of that item of the last group menu.
  void OpenGroupAt(int index);
  void NewMemo();
  // Every memo shown ("모두 보기"), or a new one when the group has none.
  void ShowAll();
  void HideAll();
  // A left click on the tray icon with "LeftBtnClickRun" 0.
  void ToggleShown();
  // "모두 펼치기" and "모두 접기".
  void SetAllExpanded(bool expanded);
  void SetAllZPositions(ZPosition z);
  enum class Arrangement { AsTheyAre, ExpandedFirst, FoldedFirst };
  // "모두 정렬", "모두 펼친 후 정렬", "모두 접은 후 정렬".
  void ArrangeAll(Arrangement arrangement);
  // "현재 위치기반 정렬": the list takes the order of the memos' places, then all are arranged.
  void ArrangeByPosition();
  MemoListStore& lists() { return lists_; }
  // The memo windows in list order, every waiting one made first.
  std::vector<MemoWindow*> Windows();
  // The open memo with that content file, or none.
  MemoWindow* FindByContentFile(const std::string& contentFile);
  // Where a new memo would go now; the widgets come back there when they are off every screen.
  Rect NewMemoPlace() const;
  // The visible widgets but `except`, which memos and widgets snap to as they move.
  void SetWidgetPlaces(std::function<std::vector<Rect>(HWND except)> places) { widgetPlaces_ = std::move(places); }
  // The memo leaves the list, then its content file goes by `how`. Returns the content file when
  // the recycle bin got it, else "".
  std::string OnMemoDeleted(HWND memo, MemoRemoval how);
  // "다른그룹으로 보내기" and the temporary storage group: the memo goes to the group file.
  void MoveToGroup(HWND memo, const std::string& groupFile);
  // Saves the memos whose content waits (the periodic save; `forced` saves every modified one),
  // stamps their edit times, and writes the list when anything changed. False when anything
  // could not be saved.
  bool SaveChanged(bool forced, Report report);
  bool WriteList(Report report);
  // Every memo and the list, as before anything replaces them; false (said) on a failure.
  bool SaveAll() { return SaveChanged(true, Report::Failures) && WriteList(Report::Failures); }
  // Windows ends the session and no box may wait: what cannot be saved in place (memos, list) is
  // written beside its file as an ".unsaved-" copy.
  void SaveForSessionEnd();
  // Every memo window goes; their records stay for the last write.
  void CloseAll();

  // MemoWindowHost
  PanelNeighbours Neighbours(const DesktopPanel& panel) const override;
  void ArrangePanel(DesktopPanel& panel) override;
  HWND CommandTarget() const override { return services_.frame; }
  bool BulkOperation() const override { return bulk_; }
  void ShowMemoTip(const MemoWindow& memo) override;
  void HideMemoTip() override;
  void FoldedMemoMoved(const MemoWindow& memo) override;
  std::vector<std::string> FillGroupMenus(HMENU sendTo, HMENU openGroup) override;
  OwnedMenu MakeProgramMenu() override { return services_.makeProgramMenu ? services_.makeProgramMenu() : OwnedMenu(); }

 private:
  struct Entry {
    MemoRecord record;  // while there is no window
    WindowPtr<MemoWindow> window;
    bool waiting = false;  // its window is still to be made
    const MemoRecord& Current() const { return window ? window->record() : record; }
  };

  MemoServices WindowServices();
  std::vector<MemoRecord> Records() const;
  std::size_t IndexOf(const DesktopPanel& panel) const;
  std::size_t IndexOf(HWND memo) const;
  void MoveToGroup(std::size_t index, const std::string& groupFile);
  ListWriteStatus WriteListFile(UnsavedFile& unsaved);
  void ReportSavedElsewhere(const UnsavedFile& unsaved, Report report) const;
  void ReportSaveFailure(Report report);
  // A memo at `place` filled by `fill`, saved, listed, brought forward and flashed.
  std::string NewContentFile() const;
  void AddFilledMemo(const Rect& place, bool onTop, const std::function<void(MemoWindow&)>& fill);
  ColumnLayout Columns() const;
  std::vector<Rect> Places() const;

  Services services_;
  MemoListStore lists_;
  WindowPtr<MemoTip> tip_;  // outlives the memos, which may still ask it to hide
  std::vector<Entry> entries_;
  std::vector<std::string> groupNames_;  // of the last "다른 그룹 열기" menu, in its order
  bool groupOpen_ = false;
  bool bulk_ = false;
  bool shown_ = false;              // the memos' visible flag, from "ViewMemoOnStart"
  bool saveFailureReported_ = false;  // since the last save that succeeded
  bool listUnwritten_ = false;  // a change the list file lacks: every tick tries again
  std::function<std::vector<Rect>(HWND except)> widgetPlaces_;
};

}  // namespace quillet::win
