#include "platform/SystemInfo.h"

#include <optional>
#include <vector>

#include "platform/Wide.h"
#include "platform/WinApi.h"
#include "storage/Paths.h"

#include <shlobj.h>

namespace quillet::win {

namespace {

std::optional<std::string> SpellablePath(const std::wstring& path) {
  if (std::optional<std::string> exact = NarrowToCp949Exactly(path)) return exact;
  const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring shortPath(length, L'\0');
  const DWORD got = GetShortPathNameW(path.c_str(), shortPath.data(), length);
  if (got == 0 || got >= length) return std::nullopt;
  shortPath.resize(got);
  return NarrowToCp949Exactly(shortPath);
}

}  // namespace

std::wstring ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got == 0) return {};
    if (got < buffer.size()) return std::wstring(buffer.data(), got);
    buffer.resize(buffer.size() * 2);
  }
}

std::string ProgramFolder() {
  std::wstring path = ProgramPath();
  if (path.empty()) return {};
  path.resize(path.find_last_of(L"\\/") + 1);
  return SpellablePath(path).value_or(std::string());
}

std::string DocumentsFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return SpellablePath(path).value_or(std::string());
}

std::string PerUserProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  const std::optional<std::string> folder = SpellablePath(path);
  return folder ? NormaliseFolder(*folder) + "Quillet\\" : std::string();
}

int MonitorCount() {
  const int count = GetSystemMetrics(SM_CMONITORS);
  return count > 0 ? count : 1;
}

ScreenGeometry CurrentScreens() {
  ScreenGeometry screens;
  screens.primary = Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR, HDC, LPRECT rect, LPARAM data) -> BOOL {
        reinterpret_cast<ScreenGeometry*>(data)->monitors.push_back(
            Rect{rect->left, rect->top, rect->right, rect->bottom});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&screens));
  return screens;
}

std::vector<Rect> WorkAreas() {
  std::vector<Rect> areas;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info)) {
          const RECT& work = info.rcWork;
          reinterpret_cast<std::vector<Rect>*>(data)->push_back(Rect{work.left, work.top, work.right, work.bottom});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  return areas;
}

}  // namespace quillet::win
