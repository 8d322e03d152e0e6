#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinApi.h"

namespace quillet::win {

// The installed font faces program text can name (CP949), sorted, each once, without the
// vertical "@" faces.
std::vector<std::string> InstalledFaces();

// A drop-down list combo box of the installed faces.
void FillFaceCombo(HWND combo);
// Nothing is selected when the face is not in the list.
void SelectFace(HWND combo, std::string_view face);
std::optional<std::string> SelectedFace(HWND combo);

}  // namespace quillet::win
