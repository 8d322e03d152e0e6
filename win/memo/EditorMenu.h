#pragma once

#include <string>
#include <vector>

#include "memo/SelectionFormat.h"
#include "platform/WinApi.h"

namespace quillet::win {

// What the editor's context menu shows besides its fixed items.
struct EditorMenuState {
  std::vector<std::string> macros;  // expanded texts, commands from ID_EDITOR_MACRO_FIRST on
  bool canUndo = false;
  bool canRedo = false;
  Alignment alignment = Alignment::Left;
  bool bullets = false;
  bool strikeOut = false;
};

// Shows menu IDR_EDITOR_MENU at a screen point and waits for the choice: its command, or 0.
UINT TrackEditorMenu(HWND owner, POINT screen, const EditorMenuState& state);

}  // namespace quillet::win
