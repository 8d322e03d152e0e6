#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The colour that is see-through in button pictures.
constexpr COLORREF kPictureTransparent = RGB(255, 0, 255);

// A bitmap resource of the program, loaded once and kept while the process runs: a hundred
// memos share one set of button pictures instead of a GDI object each. Nothing when missing.
HBITMAP ProgramPicture(int id);
// Of a picture's 100, 150 and 200 % drawings (resources id, id + 1000, id + 2000), the one for a
// screen of `dpi`: the nearest, the smaller when halfway.
int PictureIdAt(int id, int dpi);
// That drawing, or the 100 % one where it is missing.
HBITMAP ProgramPictureAt(int id, int dpi);
SIZE PictureSize(HBITMAP picture);
// Draws `picture` with its top left at (x, y); its magenta pixels let what is below show.
void DrawKeyedPicture(HDC dc, HBITMAP picture, int x, int y);

}  // namespace quillet::win
