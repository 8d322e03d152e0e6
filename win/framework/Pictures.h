#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The colour that is see-through in button pictures.
constexpr COLORREF kPictureTransparent = RGB(255, 0, 255);

// A bitmap resource of the program, loaded once and kept while the process runs: a hundred
// memos share one set of button pictures instead of a GDI object each. Nothing when missing.
HBITMAP ProgramPicture(int id);
SIZE PictureSize(HBITMAP picture);
// Draws `picture` with its top left at (x, y); its magenta pixels let what is below show.
void DrawKeyedPicture(HDC dc, HBITMAP picture, int x, int y);

}  // namespace quillet::win
