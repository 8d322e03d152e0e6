#pragma once

#include <initializer_list>
#include <string>

#include "framework/Gdi.h"

namespace quillet::win {

// The first of the faces that is installed, or "" when none is.
std::wstring FirstInstalledFace(std::initializer_list<const wchar_t*> faces);

// The faces that show Hangul well, best first.
std::wstring KoreanFace();

// A font by pixel height (LOGFONT height), weight and face, DEFAULT_CHARSET, output precision 2
// and clip precision 1, as the program makes all its fonts.
Font MakeFont(const std::wstring& face, int height, int weight);

}  // namespace quillet::win
