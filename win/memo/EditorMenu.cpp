#include "memo/EditorMenu.h"

#include "framework/Handles.h"
#include "platform/Wide.h"
#include "resources/MemoResources.h"

namespace quillet::win {
namespace {

constexpr int kMacroSubmenuPosition = 3;
constexpr std::size_t kMaxMacroItems = ID_EDITOR_MACRO_LAST - ID_EDITOR_MACRO_FIRST + 1;

// A '&' in a macro would underline the next character instead of showing itself.
std::wstring MenuText(const std::string& text) {
  std::wstring shown;
  for (const wchar_t c : WidenCp949(text)) {
    if (c == L'&') shown += L'&';
    shown += c;
  }
  return shown;
}

void FillMacros(HMENU submenu, const std::vector<std::string>& macros) {
  while (GetMenuItemCount(submenu) > 0) DeleteMenu(submenu, 0, MF_BYPOSITION);
  for (std::size_t i = 0; i < macros.size() && i < kMaxMacroItems; ++i) {
    AppendMenuW(submenu, MF_STRING, ID_EDITOR_MACRO_FIRST + i, MenuText(macros[i]).c_str());
  }
}

void Enable(HMENU menu, UINT id, bool enabled) { EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)); }

void Check(HMENU menu, UINT id, bool checked) { CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)); }

}  // namespace

UINT TrackEditorMenu(HWND owner, POINT screen, const EditorMenuState& state) {
  const OwnedMenu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_EDITOR_MENU)));
  HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
  if (!popup) return 0;
  if (HMENU macros = GetSubMenu(popup, kMacroSubmenuPosition)) FillMacros(macros, state.macros);
  Enable(popup, ID_EDIT_UNDO, state.canUndo);
  Enable(popup, ID_EDIT_REDO, state.canRedo);
  Check(popup, ID_EDITOR_ALIGN_LEFT, state.alignment == Alignment::Left);
  Check(popup, ID_EDITOR_ALIGN_CENTER, state.alignment == Alignment::Center);
  Check(popup, ID_EDITOR_ALIGN_RIGHT, state.alignment == Alignment::Right);
  Check(popup, ID_EDITOR_BULLETS, state.bullets);
  Check(popup, ID_EDITOR_STRIKEOUT, state.strikeOut);
  const BOOL chosen = TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                     screen.x, screen.y, 0, owner, nullptr);
  return static_cast<UINT>(chosen);
}

}  // namespace quillet::win
