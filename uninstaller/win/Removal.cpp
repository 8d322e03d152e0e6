#include "win/Removal.h"

#include <windows.h>
#include <shlobj.h>

#include <map>
#include <optional>
#include <vector>

#include "rules/UninstallRules.h"
#include "win/FileHandle.h"

namespace unquill {

namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Quillet Program\\Quillet";
constexpr const wchar_t* kCompanyKey = L"Software\\Quillet Program";
constexpr const wchar_t* kGeneralKey = L"Software\\Quillet Program\\Quillet\\General";
constexpr const wchar_t* kUninstallKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillet";
constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kRunValue = L"Quillet Start";

// A link (junction, symbolic link) is removed itself, never followed: whatever it points to is
// not ours, and the removal may run elevated.
void RemoveEntry(const std::wstring& path, DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveDirectoryW(path.c_str());
    } else {
      DeleteFileW(path.c_str());
    }
    return;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemoveEntry(path + L"\\" + name, found.dwFileAttributes);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  RemoveDirectoryW(path.c_str());
}

// The file or folder with all it holds, as Explorer deletes without the bin.
void DeleteTree(const std::wstring& path) {
  if (!MayDeleteFolder(path)) return;
  std::wstring trimmed = path;
  while (trimmed.size() > 3 && trimmed.back() == L'\\') trimmed.pop_back();
  const DWORD attributes = GetFileAttributesW(trimmed.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) RemoveEntry(trimmed, attributes);
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring result = text ? text : L"";
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) result.pop_back();
  return result.empty() ? L"오류 " + std::to_wstring(error) : result;
}

// The name in code page 949 as the main program spells it; nothing for a name it could not have
// written.
std::optional<std::string> Cp949Name(const std::wstring& name) {
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(949, WC_NO_BEST_FIT_CHARS, name.c_str(), static_cast<int>(name.size()),
                                       nullptr, 0, nullptr, &lossy);
  if (size <= 0 || lossy) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(949, WC_NO_BEST_FIT_CHARS, name.c_str(), static_cast<int>(name.size()), bytes.data(), size,
                      nullptr, &lossy);
  return lossy ? std::nullopt : std::optional<std::string>(bytes);
}

std::string ReadWholeFile(const std::wstring& path) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  return bytes;
}

// The whole "MemoDBFolder" string, however long; nothing when it is missing or changed while read.
std::optional<std::wstring> ReadDataFolderValue(bool& readWhole) {
  readWhole = false;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kGeneralKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  std::optional<std::wstring> value;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, L"MemoDBFolder", nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = size;
    const LONG read =
        RegQueryValueExW(key, L"MemoDBFolder", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
    readWhole = read == ERROR_SUCCESS && type == REG_SZ && got <= size;
    if (readWhole) value = std::wstring(buffer.data());
  }
  RegCloseKey(key);
  return value;
}

}  // namespace

Installation InstallationOf(const std::wstring& programFolder) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
    return Installation::User;
  }
  std::wstring location(MAX_PATH, L'\0');
  DWORD size = static_cast<DWORD>(location.size() * sizeof(wchar_t));
  DWORD type = 0;
  const LONG read = RegQueryValueExW(key, L"InstallLocation", nullptr, &type, reinterpret_cast<BYTE*>(location.data()), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ) return Installation::User;
  location.resize(wcsnlen(location.c_str(), location.size()));
  return SameFolder(location, programFolder) ? Installation::Machine : Installation::User;
}

bool MayRemove(const std::wstring& programFolder, Installation installation) {
  // A file made and gone again: the folder's rights, whatever its attributes say.
  const std::wstring probe = programFolder + L"unquill-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  if (!FileHandle(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr))) {
    return false;
  }
  if (installation == Installation::User) return true;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, DELETE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool DeletePrograms(const std::wstring& programFolder, std::wstring& why) {
  const std::wstring program = programFolder + L"Quillet.exe";
  if (!DeleteFileW(program.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    why = program + L"\n" + SystemErrorText(GetLastError());
    return false;
  }
  DeleteFileW((programFolder + L"quillet-data.exe").c_str());
  return true;
}

void DeleteMemoData() {
  bool readWhole = false;
  const std::optional<std::wstring> value = ReadDataFolderValue(readWhole);
  if (!value) return;
  if (const std::optional<std::wstring> folder = DataFolderFromValue(*value, readWhole)) DeleteProgramFilesIn(*folder);
}

void DeleteProgramFilesIn(const std::wstring& dataFolder) {
  const std::optional<std::wstring> folder = DataFolderFromValue(dataFolder, true);
  if (!folder) return;
  std::vector<DataFolderFile> files;
  std::map<std::string, std::wstring> wideNames;
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((*folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::wstring wide = found.cFileName;
    const std::optional<std::string> name = Cp949Name(wide);
    if (!name) continue;
    wideNames[*name] = wide;
    files.push_back({*name, IsListFile(*name) ? ReadWholeFile(*folder + wide) : std::string()});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  for (const std::string& name : ProgramFilesToDelete(files)) {
    const std::wstring path = *folder + wideNames[name];
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) RemoveEntry(path, attributes);
  }
  RemoveDirectoryW(folder->c_str());  // only when nothing else is left
}

void DeletePerUserFolder() {
  wchar_t appData[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) return;
  if (IsAbsolutePath(appData)) DeleteTree(std::wstring(appData) + L"\\Quillet");
}

void DeleteSkins(const std::wstring& programFolder, bool keepMemos) {
  for (const wchar_t* skins : {L"ClockSkin", L"ScheduleSkin", L"RauncherSkin"}) DeleteTree(programFolder + skins);
  const std::wstring calendar = programFolder + L"CalendarSkin\\";
  if (!keepMemos) {
    DeleteTree(calendar);
    return;
  }
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((calendar + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L".." || IsAnniversaryFile(name)) continue;
    DeleteTree(calendar + name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

void DeleteRegistryEntries(Installation installation) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, kCompanyKey);  // only when nothing else is left in it
  RegDeleteKeyW(HKEY_CURRENT_USER, kUninstallKey);
  if (installation == Installation::Machine) RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY, 0);
  HKEY run = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
    RegDeleteValueW(run, kRunValue);
    RegCloseKey(run);
  }
}

void DeleteStartMenuFolders(Installation installation) {
  std::vector<int> folders{CSIDL_PROGRAMS};
  if (installation == Installation::Machine) folders.push_back(CSIDL_COMMON_PROGRAMS);
  for (const int folder : folders) {
    wchar_t programs[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, programs))) continue;
    if (const std::optional<std::wstring> quillet = StartMenuFolder(programs)) DeleteTree(*quillet);
  }
}

std::wstring ThisProgramPath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got == 0) return {};
    if (got < path.size()) return std::wstring(path.data(), got);
    path.resize(path.size() * 2);
  }
}

void RemoveSelfAtRestart(const std::wstring& programFolder) {
  const std::wstring self = ThisProgramPath();
  if (self.empty() || !MoveFileExW(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) return;
  std::wstring folder = programFolder;
  while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  if (MayDeleteFolder(folder)) MoveFileExW(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

bool RemoveOlderMachineInstallation(const std::wstring& programFolder) {
  if (InstallationOf(programFolder) != Installation::Machine || !MayRemove(programFolder, Installation::Machine)) {
    return false;
  }
  std::wstring why;
  if (!DeletePrograms(programFolder, why)) return false;
  DeleteFileW((programFolder + L"Unquill.exe").c_str());
  DeleteSkins(programFolder, true);
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY, 0);
  wchar_t programs[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs))) {
    if (const std::optional<std::wstring> quillet = StartMenuFolder(programs)) DeleteTree(*quillet);
  }
  // Each only when empty: anniversaries or memos never carried stay where they were.
  RemoveDirectoryW((programFolder + L"CalendarSkin").c_str());
  RemoveDirectoryW(programFolder.c_str());
  return true;
}

}  // namespace unquill
