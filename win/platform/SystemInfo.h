#pragma once

#include <string>
#include <vector>

#include "geometry/Screens.h"

namespace quillet::win {

// Full path of the running executable, however long.
std::wstring ProgramPath();

// Folder of the running executable, ending with a backslash, as CP949 text. A path that CP949
// cannot spell is given by its short form.
std::string ProgramFolder();

// The user's documents folder, or "" when there is none that CP949 can spell.
std::string DocumentsFolder();

// "<the user's roaming application data>\Quillet\", or "" when there is none that CP949 can spell.
std::string PerUserProgramFolder();

int MonitorCount();

// The primary screen's size and every monitor's rectangle.
ScreenGeometry CurrentScreens();

// Every monitor's work area (without the taskbar).
std::vector<Rect> WorkAreas();

}  // namespace quillet::win
