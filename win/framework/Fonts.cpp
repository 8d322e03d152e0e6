#include "framework/Fonts.h"

namespace quillet::win {

namespace {

bool IsInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(
      WindowDc(nullptr).Get(), &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM data) -> int {
        *reinterpret_cast<bool*>(data) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

std::wstring FirstInstalledFace(std::initializer_list<const wchar_t*> faces) {
  for (const wchar_t* face : faces) {
    if (IsInstalled(face)) return face;
  }
  return {};
}

std::wstring KoreanFace() {
  return FirstInstalledFace(
      {L"\xB9D1\xC740 \xACE0\xB515", L"Malgun Gothic", L"\xAD74\xB9BC", L"Gulim", L"\xB3CB\xC6C0", L"Dotum",
       L"\xB098\xB214\xACE0\xB515", L"NanumGothic"});
}

Font MakeFont(const std::wstring& face, int height, int weight) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_CHARACTER_PRECIS;
  font.lfClipPrecision = CLIP_CHARACTER_PRECIS;
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&font));
}

}  // namespace quillet::win
