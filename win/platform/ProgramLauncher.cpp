#include "platform/ProgramLauncher.h"

#include <optional>

#include "launcher/ProgramCommand.h"
#include "platform/KernelHandle.h"
#include "platform/WinApi.h"
#include "platform/Wide.h"

#include <shellapi.h>

namespace quillet::win {

namespace {

constexpr const wchar_t* kWindowsKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// A text value of HKEY_LOCAL_MACHINE, or "" when it is missing.
std::wstring MachineText(const std::wstring& key, const wchar_t* name) {
  wchar_t value[MAX_PATH + 2] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                   nullptr, value, &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

// The program App Paths names for `executable`, or "" when it is not there.
std::wstring AppPathsProgram(const wchar_t* executable) {
  const std::wstring value = MachineText(std::wstring(kWindowsKey) + L"\\App Paths\\" + executable, nullptr);
  const std::wstring program = WidenCp949(
      BrowserProgram(NarrowToCp949(value), NarrowToCp949(MachineText(kWindowsKey, L"ProgramFilesDir"))));
  const DWORD attributes = program.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(program.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) ? std::wstring() : program;
}

// `program` by its own path, with `commandLine` (which names it first, quoted).
bool Start(const wchar_t* program, std::wstring commandLine, WORD show) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  // Nothing waits on the program: its handles go at once.
  const KernelHandle started(process.hProcess);
  const KernelHandle thread(process.hThread);
  return true;
}

bool OpenFile(const std::wstring& file, int show) {
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  execute.lpVerb = L"open";
  execute.lpFile = file.c_str();
  execute.nShow = show;
  return ShellExecuteExW(&execute) != FALSE;
}

}  // namespace

bool RunProgramText(const std::string& text) {
  const std::wstring path = WidenCp949(UnquotedProgramPath(text));
  const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return OpenFile(path, SW_SHOW);
  const std::wstring typed = WidenCp949(text);
  return !typed.empty() && Start(nullptr, typed, SW_SHOW);
}

bool OpenInBrowser(const std::string& address) {
  const std::wstring browser = AppPathsProgram(L"IEXPLORE.EXE");
  if (browser.empty()) return false;
  const std::optional<std::string> commandLine = BrowserCommandLine(NarrowToCp949(browser), address);
  return commandLine && Start(browser.c_str(), WidenCp949(*commandLine), SW_SHOWMAXIMIZED);
}

void OpenWithWordPad(const std::string& path) {
  const std::wstring wordPad = AppPathsProgram(L"WORDPAD.EXE");
  const std::wstring file = WidenCp949(path);
  if (!wordPad.empty() && Start(wordPad.c_str(), L"\"" + wordPad + L"\" \"" + file + L"\"", SW_SHOW)) return;
  OpenFile(file, SW_SHOWNORMAL);
}

}  // namespace quillet::win
