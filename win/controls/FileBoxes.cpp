#include "controls/FileBoxes.h"

#include <commdlg.h>

#include "platform/Wide.h"

namespace quillet::win {

namespace {

std::optional<std::wstring> AskPath(HWND owner, const FileBoxRequest& request, bool save,
                                    std::string_view titleText = {}) {
  wchar_t path[MAX_PATH] = {};
  lstrcpynW(path, WidenCp949(request.start).c_str(), MAX_PATH);
  std::wstring filter = WidenCp949(request.filterName);
  filter.push_back(L'\0');
  filter += request.pattern;
  filter.push_back(L'\0');
  if (request.allFiles) {
    filter += L"모든 파일 (*.*)";
    filter.push_back(L'\0');
    filter += L"*.*";
    filter.push_back(L'\0');
  }
  filter.push_back(L'\0');
  const std::wstring title = WidenCp949(titleText);
  OPENFILENAMEW dialog{};
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = request.defaultExtension;
  dialog.Flags = OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
  return std::wstring(path);
}

std::optional<std::string> AskCp949Path(HWND owner, const FileBoxRequest& request, bool save,
                                        std::string_view title = {}) {
  const std::optional<std::wstring> path = AskPath(owner, request, save, title);
  if (!path) return std::nullopt;
  return NarrowToCp949Exactly(*path);
}

}  // namespace

std::optional<std::string> AskOpenPath(HWND owner, const FileBoxRequest& request, std::string_view title) {
  return AskCp949Path(owner, request, false, title);
}

std::optional<std::string> AskSavePath(HWND owner, const FileBoxRequest& request) {
  return AskCp949Path(owner, request, true);
}

std::optional<std::wstring> AskOpenWidePath(HWND owner, const FileBoxRequest& request) {
  return AskPath(owner, request, false);
}

}  // namespace quillet::win
