#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Fakes.h"
#include "framework/Window.h"
#include "memo/MemoEditor.h"
#include "platform/Win32FileSystem.h"
#include "settings/Settings.h"

namespace quillet::win::testing {

// An editor in a plain visible window, standing in for the memo window: its host answers come
// from the public fields, and the addresses it was asked to open are kept.
class EditorFixture final : public MemoEditorHost {
 public:
  EditorFixture();
  ~EditorFixture();
  EditorFixture(const EditorFixture&) = delete;
  EditorFixture& operator=(const EditorFixture&) = delete;

  bool Ready() const { return editor_ && editor_->hwnd(); }
  MemoEditor& editor() { return *editor_; }
  HWND control() const { return editor_->hwnd(); }
  HWND window() const;

  bool IsHostActive() const override { return active; }
  bool IsExpanded() const override { return expanded; }
  int RecordedScrollLine() const override { return scrollLine; }
  void RecordScrollLine(int line) override { scrollLine = line; ++scrollRecords; }

  bool active = true;
  bool expanded = true;
  int scrollLine = 0;
  int scrollRecords = 0;
  std::vector<std::string> opened;
  Settings settings;
  quillet::testing::FixedClock clock;  // 13:05:09 on Tuesday, 8 December 2026
  Win32FileSystem files;

 private:
  class HostWindow;
  WindowPtr<HostWindow> window_;
  WindowPtr<MemoEditor> editor_;
};

// The control's whole text, paragraphs ending in "\r", and its length.
std::wstring TextOf(HWND editor);
LONG TextLength(HWND editor);
void Type(HWND editor, const std::wstring& text);
void Select(HWND editor, LONG first, LONG last);
// A CP949 path in a folder beside the test program, made on first use.
std::string OutputPath(const std::string& name);
// Dispatches this thread's messages for a while.
void Pump(DWORD milliseconds);

}  // namespace quillet::win::testing
