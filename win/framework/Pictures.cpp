#include "framework/Pictures.h"

#include <map>

#include "framework/Gdi.h"
#include "geometry/Dpi.h"

namespace quillet::win {

HBITMAP ProgramPicture(int id) {
  static std::map<int, Bitmap> pictures;
  auto found = pictures.find(id);
  if (found == pictures.end()) {
    found = pictures
                .emplace(id, Bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))))
                .first;
  }
  return found->second.Get();
}

int PictureIdAt(int id, int dpi) {
  const int percent = dpi * 100 / kBaseDpi;
  return id + (percent <= 125 ? 0 : percent <= 175 ? 1000 : 2000);
}

HBITMAP ProgramPictureAt(int id, int dpi) {
  const HBITMAP scaled = ProgramPicture(PictureIdAt(id, dpi));
  return scaled ? scaled : ProgramPicture(id);
}

SIZE PictureSize(HBITMAP picture) {
  BITMAP info{};
  if (!picture || !GetObjectW(picture, sizeof info, &info)) return SIZE{};
  return SIZE{info.bmWidth, info.bmHeight};
}

void DrawKeyedPicture(HDC dc, HBITMAP picture, int x, int y) {
  const SIZE size = PictureSize(picture);
  if (!size.cx || !size.cy) return;
  OwnedDc source(CreateCompatibleDC(dc));
  Selection selected(source.Get(), picture);
  TransparentBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy, kPictureTransparent);
}

}  // namespace quillet::win
