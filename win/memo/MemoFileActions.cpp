#include "memo/MemoFileActions.h"

#include <commdlg.h>
#include <richedit.h>
#include <shellapi.h>

#include "platform/Wide.h"

namespace quillet::win {

namespace {

constexpr const wchar_t* kWindowsKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// A text value of HKEY_LOCAL_MACHINE, or "" when it is missing.
std::wstring MachineText(const std::wstring& key, const wchar_t* name) {
  wchar_t value[260] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                   nullptr, value, &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

std::wstring WordPadPath() {
  std::wstring path = MachineText(std::wstring(kWindowsKey) + L"\\App Paths\\WORDPAD.EXE", nullptr);
  const std::wstring marker = L"%ProgramFiles%";
  const std::size_t at = path.find(marker);
  if (at != std::wstring::npos) path.replace(at, marker.size(), MachineText(kWindowsKey, L"ProgramFilesDir"));
  if (path.size() > 1 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
  return path;
}

// The program by its own path and the file quoted, so that neither "C:\Program Files\…" nor a
// file name with spaces can name some other program.
bool StartWordPad(const std::wstring& program, const std::wstring& file) {
  if (program.empty() || GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  std::wstring commandLine = L"\"" + program + L"\" \"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

void OpenWithWordPad(const std::string& path) {
  const std::wstring file = WidenCp949(path);
  if (!StartWordPad(WordPadPath(), file)) {
    ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

void PrintRichText(HWND owner, HWND editor, const std::string& documentName) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
  if (!PrintDlgW(&dialog) || !dialog.hDC) return;
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  const HDC printer = dialog.hDC;
  SetMapMode(printer, MM_TEXT);
  const RECT page{0, 0, GetDeviceCaps(printer, HORZRES) / GetDeviceCaps(printer, LOGPIXELSX) * 1440,
                  GetDeviceCaps(printer, VERTRES) / GetDeviceCaps(printer, LOGPIXELSY) * 1440};
  const std::wstring name = WidenCp949(documentName);
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = name.c_str();
  if (StartDocW(printer, &document) > 0) {
    const LONG length = GetWindowTextLengthW(editor);
    FORMATRANGE range{};
    range.hdc = range.hdcTarget = printer;
    range.rc = range.rcPage = page;
    range.chrg = CHARRANGE{0, -1};
    while (range.chrg.cpMin < length) {
      const LONG next = static_cast<LONG>(SendMessageW(editor, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
      if (next <= range.chrg.cpMin) break;
      StartPage(printer);
      SendMessageW(editor, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&page));
      EndPage(printer);
      range.chrg.cpMin = next;
    }
    SendMessageW(editor, EM_FORMATRANGE, FALSE, 0);
    EndDoc(printer);
  }
  DeleteDC(printer);
}

}  // namespace quillet::win
