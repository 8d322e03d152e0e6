#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ColorChoice.h"
#include "framework/Control.h"
#include "memo/RichEditOleCallback.h"
#include "memo/SelectionFormat.h"

namespace quillet {
class Clock;
class FileSystem;
struct Settings;
}  // namespace quillet

namespace quillet::win {

// What the editor asks of the window it sits in.
class MemoEditorHost {
 public:
  virtual bool IsHostActive() const = 0;
  virtual bool IsExpanded() const = 0;
  // The first visible line the memo's record holds, and a new one to store there (the host
  // then counts the memo as changed, so the next save writes the list).
  virtual int RecordedScrollLine() const = 0;
  virtual void RecordScrollLine(int firstVisibleLine) = 0;

 protected:
  ~MemoEditorHost() = default;
};

// What the editor uses of the program; all of it outlives the editor.
struct MemoEditorServices {
  const Settings& settings;  // the working values: "FontName", "RestoreScrollPos", "MouseOverHiding"
  std::function<std::vector<std::string>()> macroFormats;  // the program: ReadMemoMacros(store.Active())
  const Clock& clock;
  FileSystem& files;
  std::function<void(const std::string&)> openAddress;  // the program: OpenWithShell
};

// The rich-text control of a memo: RichEdit 2.0 with an OLE callback, RTF content files through
// the file-system port, the formatting commands, Ctrl shortcuts, a context menu with date/time
// macros, Ctrl+click opening of addresses, and hit testing that lets an inactive memo window take
// the clicks. Needs OLE on the thread (OleSession) for the clipboard and embedded objects.
class MemoEditor final : public Control {
 public:
  MemoEditor(MemoEditorHost& host, MemoEditorServices services);

  // "RichEdit20W", or the older rich-edit control when that cannot be made. The default
  // character format is "FontName", 10 points, automatic colour, Hangul character set, so the
  // content files are code page 949 RTF. False when no control could be made.
  bool Create(DWORD style, const RECT& place, HWND parent, int id);
  // 2; 1 for the older control, which cannot redo.
  int Version() const { return version_; }

  // Replaces the content with an RTF file and leaves the editor unmodified. False, with the
  // content unchanged, when the file cannot be read.
  bool LoadRtf(const std::string& path);
  // Writes the content as RTF over the file in one step and clears the modified flag. False when
  // it could not be written: the file keeps its old content and the editor stays modified.
  bool SaveRtf(const std::string& path);
  // Writes a copy of the content elsewhere; the memo's own file still has to be saved.
  bool ExportRtf(const std::string& path) const;
  // Text, or an embedded object such as a pasted picture.
  bool HasContent() const;
  void Clear();
  bool IsModified() const;
  void SetModified(bool modified);

  // A read-only editor also ignores the context menu, Ctrl+click, the wheel and double-clicks.
  void SetEditable(bool editable);
  bool Editable() const { return editable_; }
  void SetUrlDetection(bool on);
  // The rich edit measures its text at the system's DPI: on a monitor of another scale it zooms
  // by the ratio, so the memo keeps its look.
  void SetZoomForDpi(int dpi);

  // The selection's formatting, e.g. for the format bar.
  SelectionFormat Selection() const { return SelectionFormat(hwnd()); }

 private:
  LRESULT OnMessage(const Message& message) override;
  // The commands of menu IDR_EDITOR_MENU; false for any other identifier.
  bool RunCommand(UINT id);
  bool OnShortcut(WPARAM key);
  void ShowContextMenu(const Message& message);
  void OpenClickedAddress(const Message& message);
  void InsertMacro(std::size_t index);
  void ChooseTextColor();
  void ScrollByWheel(int delta);
  LRESULT HitTest(const Message& message);
  LRESULT AfterScroll(const Message& message);
  void ApplyDefaultFormat();

  MemoEditorHost& host_;
  MemoEditorServices services_;
  int version_ = 2;
  bool editable_ = true;
  int wheelRest_ = 0;  // wheel turn not yet scrolled, less than a notch
  std::unique_ptr<RichEditOleCallback, ReleaseCom> oleCallback_;
  std::vector<std::string> macros_;  // the texts of the last context menu
  CustomColors customColors_{};
};

}  // namespace quillet::win
