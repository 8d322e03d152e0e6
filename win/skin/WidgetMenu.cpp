#include "skin/WidgetMenu.h"

#include <utility>

#include "framework/Menus.h"
#include "memo/PanelZOrder.h"
#include "platform/Wide.h"
#include "resources/WidgetResources.h"
#include "resources/resource.h"
#include "skin/SkinWindowRules.h"

namespace quillet::win {

namespace {

void Check(HMENU menu, UINT command, bool on) {
  CheckMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void FillSkinSubmenu(HMENU popup, const WidgetMenuState& state) {
  const UINT defaultCommand = state.baseMenu ? ID_SKIN_DEFAULT_BASE : ID_SKIN_DEFAULT;
  const HMENU skins = SubmenuHolding(popup, defaultCommand);
  if (!skins) return;
  if (state.baseMenu) DeleteMenu(skins, ID_SKIN_DEFAULT_BASE, MF_BYCOMMAND);
  Check(skins, ID_SKIN_DEFAULT, !state.baseMenu && state.chosenSkin.empty());
  if (!state.skins) return;
  if (!state.skins->empty() && GetMenuItemCount(skins) > 0) AppendMenuW(skins, MF_SEPARATOR, 0, nullptr);
  for (const SkinChoice& skin : *state.skins) {
    const UINT flags = MF_STRING | (skin.path == state.chosenSkin ? MF_CHECKED : 0);
    AppendMenuW(skins, flags, static_cast<UINT_PTR>(skin.command), WidenCp949(skin.menuText).c_str());
  }
}

}  // namespace

void PrepareWidgetMenu(HMENU popup, const WidgetMenuState& state, OwnedMenu programMenu) {
  Check(popup, ID_PANEL_NORMAL, state.zPosition == ZPosition::Normal);
  Check(popup, ID_PANEL_ALWAYS_ON_TOP, state.zPosition == ZPosition::AlwaysOnTop);
  Check(popup, ID_PANEL_DESKTOP, state.zPosition == ZPosition::Desktop);
  Check(popup, ID_PANEL_FIX_POSITION, !state.movable);
  if (const HMENU steps = SubmenuHolding(popup, ID_TRANSPARENCY_FIRST)) {
    CheckMenuRadioItem(steps, ID_TRANSPARENCY_FIRST, ID_TRANSPARENCY_LAST, TransparencyCommand(state.alpha),
                       MF_BYCOMMAND);
  }
  FillSkinSubmenu(popup, state);
  if (!state.hasAboutImage) DeleteMenu(popup, ID_SKIN_ABOUT, MF_BYCOMMAND);
  if (!programMenu) return;
  AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  AppendProgramMenu(popup, std::move(programMenu));
}

}  // namespace quillet::win
