#include "controls/FileBoxes.h"

#include <commdlg.h>

#include "platform/Wide.h"

namespace quillet::win {

namespace {

std::optional<std::string> AskPath(HWND owner, const FileBoxRequest& request, bool save) {
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
  dialog.lpstrDefExt = request.defaultExtension;
  dialog.Flags = OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
  return NarrowToCp949Exactly(path);
}

}  // namespace

std::optional<std::string> AskOpenPath(HWND owner, const FileBoxRequest& request) {
  return AskPath(owner, request, false);
}

std::optional<std::string> AskSavePath(HWND owner, const FileBoxRequest& request) {
  return AskPath(owner, request, true);
}

}  // namespace quillet::win
