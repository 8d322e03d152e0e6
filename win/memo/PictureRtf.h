#pragma once

#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

// A bitmap as an RTF picture the rich edit control takes and writes back: an enhanced metafile
// holding the bitmap (\pict\emfblip), since Wine's control ignores a pasted or streamed bitmap.
// Empty when the picture could not be made.
std::string PictureRtf(HBITMAP bitmap);

}  // namespace quillet::win
