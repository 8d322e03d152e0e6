#pragma once

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "memo/PanelZOrder.h"
#include "platform/WinApi.h"
#include "skin/SkinList.h"

namespace quillet::win {

struct WidgetMenuState {
  ZPosition zPosition = ZPosition::Normal;
  bool movable = true;
  int alpha = 255;
  const std::vector<SkinChoice>* skins = nullptr;
  std::string chosenSkin;
  bool hasAboutImage = false;
  bool baseMenu = false;  // menu 199, whose Skin submenu offers no "Default"
};

// Readies any widget's menu before it opens: the checks of the z-position, 좌표 고정 and the
// transparency, the Skin submenu, "Skin 정보" only with an about picture, and `programMenu` (the
// frame's, may be null) appended last as "확장 메뉴", which `popup` then owns.
void PrepareWidgetMenu(HMENU popup, const WidgetMenuState& state, OwnedMenu programMenu);

}  // namespace quillet::win
