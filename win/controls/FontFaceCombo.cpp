#include "controls/FontFaceCombo.h"

#include <algorithm>

#include "framework/Gdi.h"
#include "platform/Wide.h"

namespace quillet::win {

std::vector<std::string> InstalledFaces() {
  std::vector<std::wstring> faces;
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;  // and no face: every family, once a character set
  EnumFontFamiliesExW(
      WindowDc(nullptr).Get(), &all,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) -> int {
        if (font->lfFaceName[0] != L'@') reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(font->lfFaceName);
        return 1;
      },
      reinterpret_cast<LPARAM>(&faces), 0);
  std::sort(faces.begin(), faces.end(),
            [](const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; });
  faces.erase(std::unique(faces.begin(), faces.end()), faces.end());

  std::vector<std::string> named;
  for (const std::wstring& face : faces) {
    if (std::optional<std::string> cp949 = NarrowToCp949Exactly(face)) named.push_back(std::move(*cp949));
  }
  return named;
}

void FillFaceCombo(HWND combo) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& face : InstalledFaces()) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WidenCp949(face).c_str()));
  }
}

void SelectFace(HWND combo, std::string_view face) {
  const LRESULT index = face.empty() ? CB_ERR
                                     : SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(WidenCp949(face).c_str()));
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::optional<std::string> SelectedFace(HWND combo) {
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return std::nullopt;
  std::wstring face(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
  face.resize(static_cast<std::size_t>(
      SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(face.data()))));
  return NarrowToCp949(face);
}

}  // namespace quillet::win
