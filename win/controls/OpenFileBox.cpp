#include "controls/OpenFileBox.h"

#include <commdlg.h>

#include "platform/Wide.h"

namespace quillet::win {

std::optional<std::string> AskOpenPath(HWND owner, const OpenFileRequest& request) {
  wchar_t path[MAX_PATH] = {};
  lstrcpynW(path, WidenCp949(request.start).c_str(), MAX_PATH);
  std::wstring filter = WidenCp949(request.filterName);
  filter.push_back(L'\0');
  filter += request.pattern;
  filter.append(2, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | request.extraFlags;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return NarrowToCp949Exactly(path);
}

}  // namespace quillet::win
