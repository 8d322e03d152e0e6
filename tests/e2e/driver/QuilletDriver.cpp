// quillet-driver: reaches a running Quillet.exe from outside, for the end-to-end tests, through
// window messages and the registry. Prints one UTF-8 line on stdout; exit status 0 on success,
// 1 on failure or timeout, 2 on a usage error.
#include <windows.h>
#include <richedit.h>

#include <fcntl.h>
#include <io.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ListCommands.h"
#include "RemoteMemory.h"

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr wchar_t kBroadcastName[] = L"QUILLET_BROADCAST_REGISTERWINDOW_ORVA";
constexpr wchar_t kInstanceMutexName[] = L"MUTEX_TARNCENTER_MEMO_ORVA";
constexpr wchar_t kListenerTitle[] = L"quillet-driver listener";
constexpr wchar_t kListenerClass[] = L"QuilletDriverListener";
constexpr wchar_t kFrameTitle[] = L"Quillet Program";
constexpr int kEditorId = 4677;
constexpr DWORD kPollMs = 50;
constexpr UINT kMessageTimeoutMs = 2000;

constexpr const char* kUsageText =
    "usage: quillet-driver COMMAND ARGS...\n"
    "  wait-window TITLE SECONDS        wait for a top-level window; print hwnd, visible, rect, exstyle\n"
    "  wait-gone TITLE SECONDS          wait until no such window exists\n"
    "  gone-first FIRST SECOND SECONDS  wait until FIRST is gone; fail unless SECOND still exists then\n"
    "  send TITLE MESSAGE WPARAM LPARAM SECONDS  send a message and print its result; fail if unanswered\n"
    "  hold-locked-mutex SECONDS        hold the program's instance mutex where no other process may\n"
    "                                   open it, as an elevated instance's looks to a normal start\n"
    "  mark PATH TEXT                   append TEXT and the working folder as a line to PATH\n"
    "  hold-file PATH SECONDS           keep a file open with no sharing, as a virus scanner may\n"
    "  broadcast WPARAM                 send the program's registered message to HWND_BROADCAST\n"
    "  listen SECONDS                   print the wParam of the first registered broadcast received\n"
    "                                   (its window is titled \"quillet-driver listener\")\n"
    "  post-command TITLE ID            post WM_COMMAND ID to the window\n"
    "  dialog-text TITLE CONTROLID SECONDS  wait for a visible dialog; print the control's text\n"
    "  click TITLE CONTROLID [auto|bm|command]  press a button of a visible dialog\n"
    "  click-at TITLE X Y               a left click at a point of the window's client area\n"
    "  foreground                       print hwnd, rect and title of the foreground window\n"
    "  activate TITLE                   make the window the foreground window\n"
    "  memos                            the memo windows of the running program, one line each in\n"
    "                                   z-order (top first): hwnd, visible, rect, exstyle, alpha\n"
    "                                   (255 when not layered), z (place among all top-level windows,\n"
    "                                   0 on top, of total), strip, editor, shown (the editor's\n"
    "                                   visibility), length, readonly, sel (the editor's selection),\n"
    "                                   first (its first visible line), selshown (the selection's\n"
    "                                   start lies in the editor's client area)\n"
    "  place TITLE LEFT TOP RIGHT BOTTOM  move and size a window as a drag would leave it\n"
    "  post TITLE MESSAGE WPARAM LPARAM post a message to the window\n"
    "  set-text TITLE CONTROLID TEXT    set the text of a control of a visible dialog\n"
    "  select TITLE CONTROLID INDEX     select an item of a combo box or list box and notify the\n"
    "                                   parent\n"
    "  list-rows TITLE CONTROLID        each row of a list view: image index, then the columns' texts,\n"
    "                                   tab-separated (tabs and line breaks in them as \\t, \\n, \\r)\n"
    "  list-click TITLE CONTROLID ROW COLUMN  select a row of a list view, then click one of its cells\n"
    "  list-select TITLE CONTROLID ROW [double]  select and focus a row of a list view as a click\n"
    "                                   would; with double, then double-click it with the mouse\n"
    "  send-item TITLE CONTROLID MESSAGE WPARAM LPARAM  send a message to a control of a visible dialog\n"
    "  button-state TITLE CONTROLID     checked=0|1|2 and enabled=0|1 of a button of a visible dialog\n"
    "  slider TITLE CONTROLID POSITION  move a trackbar there and notify its parent as a drag would\n"
    "  tree-select TITLE PATH           select the item at PATH (names joined by \\, the first found\n"
    "                                   anywhere: C:\\dir\\sub) in the window's tree view\n"
    "  text TITLE                       print the text of a window of any process\n"
    "  key-down VK / key-up VK          press or release a key through SendInput\n"
    "  keys VK...                       press and release each key in turn\n"
    "  windows TITLE                    every top-level window of TITLE's process: hwnd, class,\n"
    "                                   visible, rect, exstyle, text (line breaks as \\n)\n"
    "  focus-probe SECONDS              hold the foreground with an edit box; print kept, or lost\n"
    "                                   to and the title of the window that took it\n"
    "  type TEXT                        type TEXT as Unicode characters\n"
    "  pixels X Y INTERVAL_MS COUNT     print the screen colour at (X, Y) COUNT times, as COLORREF\n"
    "  text-size FACE HEIGHT WEIGHT TEXT  print WIDTHxHEIGHT of one line of TEXT in that font on the\n"
    "                                   screen (DEFAULT_CHARSET, as the program makes title fonts)\n"
    "  clipboard-info                   text=1|0, and bitmap=WxH centre=COLORREF or bitmap=none\n"
    "  hold-hotkey MODS VK SECONDS      hold a hotkey as another program would\n"
    "  hold-window TITLE SECONDS [hung] a hidden window of that title that ignores WM_CLOSE, or that\n"
    "                                   answers nothing at all\n"
    "  set-clipboard TEXT               put TEXT on the clipboard as Unicode text\n"
    "  hotkeys-free MODS VK...          for each key with the MOD_ bits: free, or taken by another\n"
    "                                   program\n"
    "  reg-dword KEYPATH NAME           print a REG_DWORD below HKEY_CURRENT_USER\n"
    "  reg-sz KEYPATH NAME              print a REG_SZ below HKEY_CURRENT_USER\n"
    "  reg-exists KEYPATH               succeed when the key exists\n"
    "  menu TITLE                       the items of a menu window (@class:#32768 for the open popup):\n"
    "                                   id (popup, separator), state flags and text, tab-separated;\n"
    "                                   a submenu's items follow its popup line, indented by two spaces\n"
    "  fonts TITLE                      each visible control holding Hangul: id, the face, charset and\n"
    "                                   height of its font, and hangul=1 when that font draws Hangul\n"
    "  drawn-text TITLE X Y FACE HEIGHT WEIGHT TEXT  TEXT drawn in that font at the client point,\n"
    "                                   compared with the screen there: size, ink, seen, common\n"
    "  (a KEYPATH beginning with HKLM\\ is below HKEY_LOCAL_MACHINE, in its 64-bit view)\n"
    "TITLE is an exact window title, a handle (0x...), @foreground, or @class:NAME (the first window\n"
    "of that class in z-order); TITLE@page is the page shown (a visible child dialog) of that window.\n";

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

void Print(std::FILE* stream, const std::wstring& line) {
  const std::string bytes = Utf8(line) + "\n";
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

int Succeed(const std::wstring& line) {
  Print(stdout, line);
  return kOk;
}

int Fail(const std::wstring& why) {
  Print(stderr, L"quillet-driver: " + why);
  return kFailed;
}

int Usage(const std::wstring& why) {
  Print(stderr, L"quillet-driver: " + why);
  std::fputs(kUsageText, stderr);
  return kUsage;
}

std::wstring Hex(unsigned long long value) {
  wchar_t buffer[32];
  std::swprintf(buffer, 32, L"0x%llx", value);
  return buffer;
}

std::wstring HandleText(HWND hwnd) { return Hex(reinterpret_cast<ULONG_PTR>(hwnd)); }

// A whole decimal or 0x-hex number; anything else is a usage error.
std::optional<unsigned long long> ParseNumber(const wchar_t* text) {
  if (!text || !*text || *text == L'-' || *text == L'+') return std::nullopt;
  wchar_t* end = nullptr;
  const unsigned long long value = std::wcstoull(text, &end, 0);
  if (end == text || *end != L'\0') return std::nullopt;
  return value;
}

ULONGLONG DeadlineAfter(unsigned long long seconds) { return GetTickCount64() + seconds * 1000ULL; }

// Text of a window of any process without sending it a message, so a hung window cannot block us.
std::wstring TitleOf(HWND hwnd) {
  std::wstring title(512, L'\0');
  const int length = GetWindowTextW(hwnd, title.data(), static_cast<int>(title.size()));
  title.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return title;
}

std::wstring RectText(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
         std::to_wstring(r.bottom);
}

struct WindowQuery {
  std::wstring title;
  bool visibleOnly = false;
  int controlId = -1;  // when set, the window must hold this control
};

struct Collector {
  const WindowQuery* query;
  std::vector<HWND> found;
};

// A control of a window: its own child, or the visible one of that id on a child page (dialogs
// whose pages are child dialogs share ids such as IDOK between their pages).
HWND ControlOf(HWND window, int id) {
  HWND direct = GetDlgItem(window, id);
  if (direct && IsWindowVisible(direct)) return direct;
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        auto* wanted = reinterpret_cast<Search*>(param);
        if (GetDlgCtrlID(child) != wanted->id || !IsWindowVisible(child)) return TRUE;
        wanted->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found ? search.found : direct;
}

bool Matches(HWND hwnd, const WindowQuery& query) {
  if (query.visibleOnly && !IsWindowVisible(hwnd)) return false;
  if (query.controlId >= 0 && !ControlOf(hwnd, query.controlId)) return false;
  return true;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* collector = reinterpret_cast<Collector*>(param);
  if (TitleOf(hwnd) == collector->query->title && Matches(hwnd, *collector->query)) collector->found.push_back(hwnd);
  return TRUE;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

constexpr wchar_t kClassPrefix[] = L"@class:";

BOOL CALLBACK CollectClass(HWND hwnd, LPARAM param) {
  auto* collector = reinterpret_cast<Collector*>(param);
  const std::wstring& title = collector->query->title;
  if (ClassOf(hwnd) == title.substr(std::wcslen(kClassPrefix)) && Matches(hwnd, *collector->query))
    collector->found.push_back(hwnd);
  return TRUE;
}

constexpr wchar_t kPageSuffix[] = L"@page";

// The window a TITLE argument names: a handle, the foreground window, or the first top-level
// window with exactly that title or class; "TITLE@page" is the visible child dialog (the page
// shown) of that window, whose controls may share ids with the window's own.
HWND FindTarget(const WindowQuery& query) {
  const std::size_t suffixLength = std::wcslen(kPageSuffix);
  if (query.title.size() > suffixLength &&
      query.title.compare(query.title.size() - suffixLength, suffixLength, kPageSuffix) == 0) {
    HWND owner = FindTarget({query.title.substr(0, query.title.size() - suffixLength), true});
    if (!owner) return nullptr;
    struct Search {
      HWND owner;
      const WindowQuery* query;
      HWND found;
    } search{owner, &query, nullptr};
    EnumChildWindows(
        owner,
        [](HWND child, LPARAM param) -> BOOL {
          auto* wanted = reinterpret_cast<Search*>(param);
          if (GetParent(child) != wanted->owner || ClassOf(child) != L"#32770" || !IsWindowVisible(child) ||
              !Matches(child, *wanted->query))
            return TRUE;
          wanted->found = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  if (query.title == L"@foreground") {
    HWND hwnd = GetForegroundWindow();
    return hwnd && Matches(hwnd, query) ? hwnd : nullptr;
  }
  if (query.title.rfind(L"0x", 0) == 0) {
    const auto value = ParseNumber(query.title.c_str());
    HWND hwnd = value ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(*value)) : nullptr;
    return hwnd && IsWindow(hwnd) && Matches(hwnd, query) ? hwnd : nullptr;
  }
  Collector collector{&query, {}};
  const bool byClass = query.title.rfind(kClassPrefix, 0) == 0;
  EnumWindows(byClass ? CollectClass : CollectWindow, reinterpret_cast<LPARAM>(&collector));
  return collector.found.empty() ? nullptr : collector.found.front();
}

HWND WaitForTarget(const WindowQuery& query, unsigned long long seconds) {
  const ULONGLONG deadline = DeadlineAfter(seconds);
  for (;;) {
    if (HWND hwnd = FindTarget(query)) return hwnd;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(kPollMs);
  }
}

// The visible dialog holding control ID, given a moment to come up: a dialog the step before
// opened may still be making its controls when the next command comes.
HWND DialogWith(const std::wstring& title, int controlId) { return WaitForTarget({title, true, controlId}, 2); }

int WaitWindow(const std::wstring& title, unsigned long long seconds) {
  HWND hwnd = WaitForTarget({title}, seconds);
  if (!hwnd) return Fail(L"no window titled \"" + title + L"\" after " + std::to_wstring(seconds) + L" s");
  const auto exStyle = static_cast<unsigned long long>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)) & 0xffffffffULL;
  return Succeed(L"hwnd=" + HandleText(hwnd) + L" visible=" + (IsWindowVisible(hwnd) ? L"1" : L"0") + L" rect=" +
                 RectText(hwnd) + L" exstyle=" + Hex(exStyle));
}

int WaitGone(const std::wstring& title, unsigned long long seconds) {
  const ULONGLONG deadline = DeadlineAfter(seconds);
  while (HWND hwnd = FindTarget({title})) {
    if (GetTickCount64() >= deadline)
      return Fail(L"window \"" + title + L"\" (" + HandleText(hwnd) + L") still there after " +
                  std::to_wstring(seconds) + L" s");
    Sleep(kPollMs);
  }
  return Succeed(L"gone");
}

int GoneFirst(const std::wstring& first, const std::wstring& second, unsigned long long seconds) {
  const HWND watched = FindTarget({second});
  if (!watched) return Fail(L"no window \"" + second + L"\" to begin with");
  Print(stdout, L"watching");
  const ULONGLONG deadline = DeadlineAfter(seconds);
  while (FindTarget({first})) {
    if (GetTickCount64() >= deadline)
      return Fail(L"\"" + first + L"\" still there after " + std::to_wstring(seconds) + L" s");
    Sleep(kPollMs / 5);
  }
  if (!IsWindow(watched)) return Fail(L"\"" + second + L"\" went no later than \"" + first + L"\"");
  return Succeed(L"gone first");
}

int Send(const std::wstring& title, UINT message, WPARAM wparam, LPARAM lparam, unsigned long long seconds) {
  HWND hwnd = FindTarget({title});
  if (!hwnd) return Fail(L"no window titled \"" + title + L"\"");
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, static_cast<UINT>(seconds * 1000ULL),
                           &result))
    return Fail(L"no answer within " + std::to_wstring(seconds) + L" s, error " + std::to_wstring(GetLastError()));
  return Succeed(L"result=" + std::to_wstring(result));
}

int HoldLockedMutex(unsigned long long seconds) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
  if (!mutex) return Fail(L"CreateMutexW failed, error " + std::to_wstring(GetLastError()));
  // An empty access list: nobody else may open it, as with a mutex made under other rights.
  SECURITY_DESCRIPTOR descriptor;
  ACL acl;
  if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
      !InitializeAcl(&acl, sizeof acl, ACL_REVISION) || !SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE) ||
      !SetKernelObjectSecurity(mutex, DACL_SECURITY_INFORMATION, &descriptor))
    return Fail(L"could not lock the mutex, error " + std::to_wstring(GetLastError()));
  Print(stdout, L"holding");
  Sleep(static_cast<DWORD>(seconds * 1000ULL));
  CloseHandle(mutex);
  return kOk;
}

// A top-level window of that title that will not close, as a program that refuses or, `hung`,
// answers no message at all.
int HoldWindow(const std::wstring& title, unsigned long long seconds, bool hung) {
  WNDCLASSW windowClass{};
  windowClass.lpszClassName = L"QuilletDriverStubborn";
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_CLOSE) return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  };
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, title.c_str(), WS_POPUP, -1000, -1000,
                                1, 1, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return Fail(L"the window could not be made");
  Print(stdout, L"holding");
  if (hung) {
    Sleep(static_cast<DWORD>(seconds * 1000ULL));
    return kOk;
  }
  const ULONGLONG deadline = DeadlineAfter(seconds);
  MSG message;
  while (GetTickCount64() < deadline) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(kPollMs);
  }
  DestroyWindow(window);
  return kOk;
}

int HoldFile(const std::wstring& path, unsigned long long seconds) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail(L"cannot open " + path + L", error " + std::to_wstring(GetLastError()));
  Print(stdout, L"holding");
  Sleep(static_cast<DWORD>(seconds * 1000ULL));
  CloseHandle(file);
  return kOk;
}

// A line appended to a file: proof that a program started this driver, and with which arguments.
int Mark(const std::wstring& path, const std::wstring& text) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail(L"cannot open " + path + L", error " + std::to_wstring(GetLastError()));
  wchar_t folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folder);
  const std::wstring line = text + L" in " + folder + L"\r\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? Succeed(L"marked") : Fail(L"cannot write " + path);
}

UINT BroadcastMessageId() { return RegisterWindowMessageW(kBroadcastName); }

int Broadcast(unsigned long long wparam) {
  const UINT message = BroadcastMessageId();
  if (!message) return Fail(L"RegisterWindowMessageW failed");
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(HWND_BROADCAST, message, static_cast<WPARAM>(wparam), 0, SMTO_ABORTIFHUNG,
                           kMessageTimeoutMs, &result))
    return Fail(L"SendMessageTimeoutW to HWND_BROADCAST failed, error " + std::to_wstring(GetLastError()));
  return Succeed(L"sent wparam=" + std::to_wstring(wparam));
}

struct ListenState {
  UINT message = 0;
  std::optional<WPARAM> received;
};
ListenState g_listen;  // shared with the listener's window procedure; the program has one window

LRESULT CALLBACK ListenerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == g_listen.message && g_listen.message != 0) {
    if (!g_listen.received) g_listen.received = wparam;
    PostQuitMessage(0);
    return 0;
  }
  if (message == WM_TIMER) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

int Listen(unsigned long long seconds) {
  g_listen.message = BroadcastMessageId();
  if (!g_listen.message) return Fail(L"RegisterWindowMessageW failed");
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ListenerProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kListenerClass;
  if (!RegisterClassW(&windowClass)) return Fail(L"RegisterClassW failed");
  // A hidden top-level window: broadcasts never reach message-only windows.
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kListenerClass, kListenerTitle, WS_POPUP, 0, 0, 1, 1, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
  if (!hwnd) return Fail(L"CreateWindowExW failed");
  SetTimer(hwnd, 1, static_cast<UINT>(seconds * 1000ULL), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DestroyWindow(hwnd);
  if (!g_listen.received) return Fail(L"no broadcast within " + std::to_wstring(seconds) + L" s");
  return Succeed(L"wparam=" + std::to_wstring(*g_listen.received));
}

int PostCommand(const std::wstring& title, unsigned long long id) {
  HWND hwnd = FindTarget({title});
  if (!hwnd) return Fail(L"no window titled \"" + title + L"\"");
  if (!PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0))
    return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  return Succeed(L"posted WM_COMMAND " + std::to_wstring(id) + L" to " + HandleText(hwnd));
}

std::optional<std::wstring> ControlText(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length))
    return std::nullopt;
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied))
    return std::nullopt;
  text.resize(copied <= length ? copied : length);
  return text;
}

int DialogText(const std::wstring& title, int controlId, unsigned long long seconds) {
  HWND dialog = WaitForTarget({title, true, controlId}, seconds);
  if (!dialog) {
    const bool windowOnly = FindTarget({title, true}) != nullptr;
    return Fail(windowOnly ? L"window \"" + title + L"\" has no control " + std::to_wstring(controlId)
                           : L"no visible window titled \"" + title + L"\" after " + std::to_wstring(seconds) +
                                 L" s");
  }
  const auto text = ControlText(ControlOf(dialog, controlId));
  if (!text) return Fail(L"control " + std::to_wstring(controlId) + L" did not answer WM_GETTEXT");
  return Succeed(*text);
}

bool IsButton(HWND control) { return _wcsicmp(ClassOf(control).c_str(), L"Button") == 0; }

// A real button gets BM_CLICK, which goes through its own mouse handling as a click would;
// anything else gets the notification a button would send. Posted, so a dialog that opens
// another modal loop cannot block us.
int Click(const std::wstring& title, int controlId, const std::wstring& mode) {
  if (mode != L"auto" && mode != L"bm" && mode != L"command") return Usage(L"click mode must be auto, bm or command");
  HWND dialog = DialogWith(title, controlId);
  if (!dialog) return Fail(L"no visible window \"" + title + L"\" with control " + std::to_wstring(controlId));
  HWND control = ControlOf(dialog, controlId);
  const ULONGLONG deadline = DeadlineAfter(2);  // enabled by the step before, it may be a moment late
  while (!IsWindowVisible(control) || !IsWindowEnabled(control)) {
    if (GetTickCount64() >= deadline) return Fail(L"control " + std::to_wstring(controlId) + L" is hidden or disabled");
    Sleep(kPollMs);
  }
  const bool useBmClick = mode == L"bm" || (mode == L"auto" && IsButton(control));
  const BOOL posted = useBmClick ? PostMessageW(control, BM_CLICK, 0, 0)
                                 : PostMessageW(GetParent(control), WM_COMMAND,
                                                MAKEWPARAM(static_cast<WORD>(controlId), BN_CLICKED),
                                                reinterpret_cast<LPARAM>(control));
  if (!posted) return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  return Succeed(std::wstring(useBmClick ? L"BM_CLICK" : L"WM_COMMAND") + L" to control " +
                 std::to_wstring(controlId) + L" of " + HandleText(dialog));
}

// A left click at a point of a window's client area, as mouse messages: for buttons that the
// window draws itself.
int ClickAt(const std::wstring& title, int x, int y) {
  HWND hwnd = FindTarget({title, true});
  if (!hwnd) return Fail(L"no visible window \"" + title + L"\"");
  const LPARAM point = MAKELPARAM(x, y);
  if (!PostMessageW(hwnd, WM_MOUSEMOVE, 0, point) || !PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point) ||
      !PostMessageW(hwnd, WM_LBUTTONUP, 0, point))
    return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  return Succeed(L"clicked " + HandleText(hwnd) + L" at " + std::to_wstring(x) + L"," + std::to_wstring(y));
}

int Foreground() {
  HWND hwnd = GetForegroundWindow();
  if (!hwnd) return Fail(L"no foreground window");
  return Succeed(L"hwnd=" + HandleText(hwnd) + L" rect=" + RectText(hwnd) + L" title=" + TitleOf(hwnd));
}

int Activate(const std::wstring& title) {
  HWND hwnd = FindTarget({title});
  if (!hwnd) return Fail(L"no window titled \"" + title + L"\"");
  SetForegroundWindow(hwnd);
  const ULONGLONG deadline = DeadlineAfter(2);
  while (GetForegroundWindow() != hwnd) {
    if (GetTickCount64() >= deadline) return Fail(HandleText(hwnd) + L" did not come to the foreground");
    Sleep(kPollMs);
  }
  return Succeed(L"foreground " + HandleText(hwnd));
}

struct MemoCollector {
  DWORD process;
  std::vector<HWND> all;  // every top-level window, in z-order
  std::vector<HWND> memos;
};

// The title strip: the memo's child dialog.
HWND StripOf(HWND memo) {
  for (HWND child = GetWindow(memo, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == L"#32770") return child;
  }
  return nullptr;
}

// Memo windows are the program's tool-window dialogs with a title strip (the memo tip has none).
BOOL CALLBACK CollectMemo(HWND hwnd, LPARAM param) {
  auto* collector = reinterpret_cast<MemoCollector*>(param);
  collector->all.push_back(hwnd);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == collector->process && ClassOf(hwnd) == L"#32770" &&
      (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && StripOf(hwnd))
    collector->memos.push_back(hwnd);
  return TRUE;
}

// " sel=START,END first=LINE selshown=0|1" of a rich-edit control, or nothing when it did not answer.
std::optional<std::wstring> SelectionFields(HWND editor) {
  RemoteMemory remote(editor, sizeof(CHARRANGE) + sizeof(POINTL));
  DWORD_PTR answer = 0;
  const auto ask = [&](UINT message, WPARAM wparam, LPARAM lparam) {
    return SendMessageTimeoutW(editor, message, wparam, lparam, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &answer) != 0;
  };
  if (!remote.ok() || !ask(EM_EXGETSEL, 0, static_cast<LPARAM>(remote.at()))) return std::nullopt;
  const auto range = remote.Read<CHARRANGE>();
  if (!range || !ask(EM_POSFROMCHAR, remote.at(), range->cpMin)) return std::nullopt;
  const auto at = remote.Read<POINTL>();
  if (!at || !ask(EM_GETFIRSTVISIBLELINE, 0, 0)) return std::nullopt;
  RECT client{};
  GetClientRect(editor, &client);
  const bool shown = at->x >= client.left && at->x < client.right && at->y >= client.top && at->y < client.bottom;
  return L" sel=" + std::to_wstring(range->cpMin) + L"," + std::to_wstring(range->cpMax) + L" first=" +
         std::to_wstring(answer) + L" selshown=" + (shown ? L"1" : L"0");
}

struct ProcessWindows {
  DWORD process;
  std::vector<HWND> found;
};

// Every top-level window of the process that owns TITLE's window, one line each; the text last,
// its line breaks written as "\n".
int Windows(const std::wstring& title) {
  HWND target = FindTarget({title});
  if (!target) return Fail(L"no window titled \"" + title + L"\"");
  ProcessWindows windows{0, {}};
  GetWindowThreadProcessId(target, &windows.process);
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* collected = reinterpret_cast<ProcessWindows*>(param);
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        if (process == collected->process) collected->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  for (HWND hwnd : windows.found) {
    std::wstring text;
    for (const wchar_t c : TitleOf(hwnd)) text += c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
    Print(stdout, L"hwnd=" + HandleText(hwnd) + L" class=" + ClassOf(hwnd) +
                      L" visible=" + (IsWindowVisible(hwnd) ? L"1" : L"0") + L" rect=" + RectText(hwnd) +
                      L" exstyle=" + Hex(static_cast<ULONG_PTR>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE))) +
                      L" text=" + text);
  }
  return kOk;
}

// A foreground window with an edit box holding the focus for SECONDS: prints "kept", or "lost to"
// and the title of the window that took the foreground first (line breaks as "\n").
int FocusProbe(unsigned long long seconds) {
  HWND window = CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"focus probe", WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 900,
                                200, 24, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return Fail(L"could not make the probe's edit box");
  SetForegroundWindow(window);
  SetFocus(window);
  Print(stdout, L"watching");
  const ULONGLONG deadline = DeadlineAfter(seconds);
  bool lost = false;
  while (GetTickCount64() < deadline && !lost) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    lost = GetForegroundWindow() != window || GetFocus() != window;
    Sleep(20);
  }
  std::wstring taker;
  for (const wchar_t c : TitleOf(GetForegroundWindow())) taker += c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
  DestroyWindow(window);
  return Succeed(lost ? L"lost to " + taker : L"kept");
}

int Memos() {
  HWND frame = FindTarget({kFrameTitle});
  if (!frame) return Fail(L"no window titled \"" + std::wstring(kFrameTitle) + L"\"");
  MemoCollector collector{};
  GetWindowThreadProcessId(frame, &collector.process);
  EnumWindows(CollectMemo, reinterpret_cast<LPARAM>(&collector));
  for (HWND memo : collector.memos) {
    const LONG_PTR exStyle = GetWindowLongPtrW(memo, GWL_EXSTYLE);
    BYTE alpha = 255;
    DWORD flags = 0;
    if (exStyle & WS_EX_LAYERED) GetLayeredWindowAttributes(memo, nullptr, &alpha, &flags);
    std::size_t z = 0;
    while (collector.all[z] != memo) ++z;
    HWND editor = GetDlgItem(memo, kEditorId);
    DWORD_PTR length = 0;
    if (editor && !SendMessageTimeoutW(editor, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length))
      return Fail(L"the editor of " + HandleText(memo) + L" did not answer");
    const bool shown = editor && IsWindowVisible(editor);
    const bool readOnly = editor && (GetWindowLongPtrW(editor, GWL_STYLE) & ES_READONLY);
    const auto selection = editor ? SelectionFields(editor) : std::optional<std::wstring>(L"");
    if (!selection) return Fail(L"the editor of " + HandleText(memo) + L" did not tell its selection");
    Print(stdout, L"hwnd=" + HandleText(memo) + L" visible=" + (IsWindowVisible(memo) ? L"1" : L"0") +
                      L" rect=" + RectText(memo) + L" exstyle=" + Hex(static_cast<DWORD>(exStyle)) +
                      L" alpha=" + std::to_wstring(alpha) + L" z=" + std::to_wstring(z) + L"/" +
                      std::to_wstring(collector.all.size()) + L" strip=" + HandleText(StripOf(memo)) +
                      L" editor=" + HandleText(editor) + L" shown=" + (shown ? L"1" : L"0") +
                      L" length=" + std::to_wstring(length) + L" readonly=" + (readOnly ? L"1" : L"0") +
                      *selection);
  }
  return kOk;
}

int Post(const std::wstring& title, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND hwnd = FindTarget({title});
  if (!hwnd) return Fail(L"no window titled \"" + title + L"\"");
  if (!PostMessageW(hwnd, message, wparam, lparam))
    return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  return Succeed(L"posted " + Hex(message) + L" to " + HandleText(hwnd));
}

int Place(const std::wstring& title, int left, int top, int right, int bottom) {
  HWND hwnd = FindTarget({title});
  if (!hwnd) return Fail(L"no window titled \"" + title + L"\"");
  if (!SetWindowPos(hwnd, nullptr, left, top, right - left, bottom - top, SWP_NOZORDER | SWP_NOACTIVATE))
    return Fail(L"SetWindowPos failed, error " + std::to_wstring(GetLastError()));
  return Succeed(L"rect=" + RectText(hwnd));
}

int SetText(const std::wstring& title, int controlId, const std::wstring& text) {
  HWND dialog = DialogWith(title, controlId);
  if (!dialog) return Fail(L"no visible window \"" + title + L"\" with control " + std::to_wstring(controlId));
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(ControlOf(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                           SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result) ||
      !result)
    return Fail(L"control " + std::to_wstring(controlId) + L" did not take the text");
  return Succeed(L"set");
}

int Text(const std::wstring& title) {
  HWND hwnd = FindTarget({title});
  if (!hwnd) return Fail(L"no window titled \"" + title + L"\"");
  const auto text = ControlText(hwnd);
  if (!text) return Fail(HandleText(hwnd) + L" did not answer WM_GETTEXT");
  return Succeed(*text);
}

// The key goes to whichever thread has the keyboard focus, as a typed one would.
int Key(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  if (SendInput(1, &input, sizeof input) != 1)
    return Fail(L"SendInput failed, error " + std::to_wstring(GetLastError()));
  return Succeed(std::wstring(down ? L"down " : L"up ") + std::to_wstring(key));
}

// Each key pressed and released in turn, as one stream of input.
int Keys(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) {
    for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
      input.ki.dwFlags = flags;
      inputs.push_back(input);
    }
  }
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
    return Fail(L"SendInput failed, error " + std::to_wstring(GetLastError()));
  return Succeed(L"pressed");
}

// Characters typed as a keyboard without their keys would: any script, no layout needed.
int Type(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (const wchar_t c : text) {
    for (const DWORD flags : {DWORD{KEYEVENTF_UNICODE}, DWORD{KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = flags;
      inputs.push_back(input);
    }
  }
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
    return Fail(L"SendInput failed, error " + std::to_wstring(GetLastError()));
  return Succeed(L"typed");
}

int Pixels(int x, int y, unsigned long long interval, unsigned long long count) {
  HDC screen = GetDC(nullptr);
  if (!screen) return Fail(L"no screen device context");
  for (unsigned long long i = 0; i < count; ++i) {
    if (i > 0) Sleep(static_cast<DWORD>(interval));
    const COLORREF color = GetPixel(screen, x, y);
    if (color == CLR_INVALID) {
      ReleaseDC(nullptr, screen);
      return Fail(L"no pixel at " + std::to_wstring(x) + L"," + std::to_wstring(y));
    }
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%06lx", static_cast<unsigned long>(color));
    Print(stdout, text);
  }
  ReleaseDC(nullptr, screen);
  return kOk;
}

// What the clipboard holds: "text" when it has Unicode text, and a bitmap's size and the colour of
// its centre pixel.
int ClipboardInfo() {
  if (!OpenClipboard(nullptr)) return Fail(L"the clipboard cannot be opened, error " + std::to_wstring(GetLastError()));
  std::wstring line = IsClipboardFormatAvailable(CF_UNICODETEXT) ? L"text=1" : L"text=0";
  if (HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    COLORREF centre = CLR_INVALID;
    HDC screen = GetDC(nullptr);
    if (HDC dc = CreateCompatibleDC(screen)) {
      HGDIOBJ previous = SelectObject(dc, bitmap);
      centre = GetPixel(dc, info.bmWidth / 2, info.bmHeight / 2);
      SelectObject(dc, previous);
      DeleteDC(dc);
    }
    ReleaseDC(nullptr, screen);
    wchar_t colour[16];
    std::swprintf(colour, 16, L"0x%06lx", static_cast<unsigned long>(centre));
    line += L" bitmap=" + std::to_wstring(info.bmWidth) + L"x" + std::to_wstring(info.bmHeight) + L" centre=" + colour;
  } else {
    line += L" bitmap=none";
  }
  CloseClipboard();
  return Succeed(line);
}

int TextSize(const std::wstring& face, int height, int weight, const std::wstring& text) {
  LOGFONTW logFont{};
  logFont.lfHeight = height;
  logFont.lfWeight = weight;
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfOutPrecision = OUT_CHARACTER_PRECIS;
  logFont.lfClipPrecision = CLIP_CHARACTER_PRECIS;
  lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&logFont);
  if (!font) return Fail(L"CreateFontIndirectW failed");
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  RECT measured{0, 0, 0, 0};
  DrawTextW(screen, text.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return Succeed(std::to_wstring(measured.right) + L"x" + std::to_wstring(measured.bottom));
}

struct RegistryValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

constexpr wchar_t kMachinePrefix[] = L"HKLM\\";

// A key below HKEY_CURRENT_USER, or with "HKLM\" below HKEY_LOCAL_MACHINE (its 64-bit view).
LONG OpenKey(const std::wstring& keyPath, REGSAM access, HKEY& key) {
  const std::size_t prefix = std::wcslen(kMachinePrefix);
  if (keyPath.compare(0, prefix, kMachinePrefix) == 0) {
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str() + prefix, 0, access | KEY_WOW64_64KEY, &key);
  }
  return RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, access, &key);
}

// Fails with a message when the key or the value is missing.
std::optional<RegistryValue> ReadValue(const std::wstring& keyPath, const std::wstring& name, std::wstring& why) {
  HKEY key = nullptr;
  LONG status = OpenKey(keyPath, KEY_QUERY_VALUE, key);
  if (status != ERROR_SUCCESS) {
    why = L"no key " + keyPath;
    return std::nullopt;
  }
  RegistryValue value;
  DWORD size = 0;
  status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value.data.resize(size);
    status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.data.data(), &size);
    value.data.resize(size);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) {
    why = L"no value " + name + L" in " + keyPath;
    return std::nullopt;
  }
  return value;
}

int RegDword(const std::wstring& keyPath, const std::wstring& name) {
  std::wstring why;
  const auto value = ReadValue(keyPath, name, why);
  if (!value) return Fail(why);
  if (value->type != REG_DWORD || value->data.size() != sizeof(DWORD))
    return Fail(name + L" is not a REG_DWORD (type " + std::to_wstring(value->type) + L")");
  DWORD number = 0;
  std::memcpy(&number, value->data.data(), sizeof number);
  return Succeed(std::to_wstring(number));
}

int RegSz(const std::wstring& keyPath, const std::wstring& name) {
  std::wstring why;
  const auto value = ReadValue(keyPath, name, why);
  if (!value) return Fail(why);
  if (value->type != REG_SZ) return Fail(name + L" is not a REG_SZ (type " + std::to_wstring(value->type) + L")");
  std::wstring text(value->data.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), value->data.data(), text.size() * sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return Succeed(text);
}

int RegExists(const std::wstring& keyPath) {
  HKEY key = nullptr;
  if (OpenKey(keyPath, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return Fail(L"no such key " + keyPath);
  RegCloseKey(key);
  return Succeed(L"exists");
}

// --- calls inside the program's process ----------------------------------------------------------

// Wine keeps a menu's items and a font's description in the process that made them, out of reach
// of GetMenuStringW or GetObjectW here: this thunk runs one call on a thread of that process.
// rcx points at {function, five arguments, result}.
constexpr unsigned char kCallThunk[] = {
    0x53,                          // push rbx
    0x48, 0x83, 0xEC, 0x30,        // sub rsp, 48: home space, the fifth argument, alignment
    0x48, 0x89, 0xCB,              // mov rbx, rcx
    0x48, 0x8B, 0x4B, 0x08,        // mov rcx, [rbx + 8]
    0x48, 0x8B, 0x53, 0x10,        // mov rdx, [rbx + 16]
    0x4C, 0x8B, 0x43, 0x18,        // mov r8, [rbx + 24]
    0x4C, 0x8B, 0x4B, 0x20,        // mov r9, [rbx + 32]
    0x48, 0x8B, 0x43, 0x28,        // mov rax, [rbx + 40]
    0x48, 0x89, 0x44, 0x24, 0x20,  // mov [rsp + 32], rax
    0xFF, 0x13,                    // call [rbx]
    0x48, 0x89, 0x43, 0x30,        // mov [rbx + 48], rax
    0x48, 0x83, 0xC4, 0x30,        // add rsp, 48
    0x5B,                          // pop rbx
    0xC3,                          // ret
};

class RemoteCaller {
 public:
  static constexpr SIZE_T kBlock = 64, kData = 128, kDataSize = 8192;

  explicit RemoteCaller(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    process_ = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                               PROCESS_VM_READ | PROCESS_VM_WRITE,
                           FALSE, id);
    if (process_)
      base_ = VirtualAllocEx(process_, nullptr, kData + kDataSize, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    if (base_ && !Write(0, kCallThunk, sizeof kCallThunk)) base_ = nullptr;
  }
  ~RemoteCaller() {
    if (base_ && !abandoned_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteCaller(const RemoteCaller&) = delete;
  RemoteCaller& operator=(const RemoteCaller&) = delete;

  bool ok() const { return base_ != nullptr; }
  ULONG_PTR data() const { return at(kData); }
  bool ReadData(void* into, SIZE_T size) const {
    SIZE_T done = 0;
    return size <= kDataSize && ReadProcessMemory(process_, reinterpret_cast<void*>(data()), into, size, &done) &&
           done == size;
  }

  // FUNCTION as this process has it, called there with up to five arguments; nothing when the
  // call could not be made or did not return within two seconds.
  std::optional<ULONG_PTR> Call(const char* module, const char* function, std::vector<ULONG_PTR> args) {
    // Finding a function there walks the process's modules: once a function is enough.
    auto known = addresses_.find(function);
    if (known == addresses_.end()) known = addresses_.emplace(function, RemoteAddress(module, function)).first;
    const std::optional<ULONG_PTR> address = known->second;
    if (!address || args.size() > 5) return std::nullopt;
    args.resize(5);
    ULONG_PTR block[7] = {*address, args[0], args[1], args[2], args[3], args[4], 0};
    if (!Write(kBlock, block, sizeof block)) return std::nullopt;
    HANDLE thread = CreateRemoteThread(process_, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(at(0)),
                                       reinterpret_cast<void*>(at(kBlock)), 0, nullptr);
    if (!thread) return std::nullopt;
    const bool done = WaitForSingleObject(thread, 2000) == WAIT_OBJECT_0;
    CloseHandle(thread);
    if (!done) {
      abandoned_ = true;  // the thread may still use the memory
      return std::nullopt;
    }
    SIZE_T read = 0;
    if (!ReadProcessMemory(process_, reinterpret_cast<void*>(at(kBlock)), block, sizeof block, &read)) return std::nullopt;
    return block[6];
  }

 private:
  ULONG_PTR at(SIZE_T offset) const { return reinterpret_cast<ULONG_PTR>(base_) + offset; }
  bool Write(SIZE_T offset, const void* bytes, SIZE_T size) const {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, reinterpret_cast<void*>(at(offset)), bytes, size, &done) && done == size;
  }

  // The function's address there: its offset in the module that really holds it here (an export
  // may be forwarded), from that module's base there.
  std::optional<ULONG_PTR> RemoteAddress(const char* module, const char* function) const {
    const auto local = reinterpret_cast<ULONG_PTR>(GetProcAddress(GetModuleHandleA(module), function));
    HMODULE holder = nullptr;
    wchar_t name[MAX_PATH] = {};
    if (!local ||
        !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(local), &holder) ||
        !GetModuleBaseNameW(GetCurrentProcess(), holder, name, MAX_PATH))
      return std::nullopt;
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(process_, modules, sizeof modules, &needed)) return std::nullopt;
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
      wchar_t there[MAX_PATH] = {};
      if (GetModuleBaseNameW(process_, modules[i], there, MAX_PATH) && _wcsicmp(there, name) == 0)
        return reinterpret_cast<ULONG_PTR>(modules[i]) + (local - reinterpret_cast<ULONG_PTR>(holder));
    }
    return std::nullopt;
  }

  HANDLE process_ = nullptr;
  void* base_ = nullptr;
  bool abandoned_ = false;
  std::map<std::string, std::optional<ULONG_PTR>> addresses_;
};

UINT Low32(ULONG_PTR value) { return static_cast<UINT>(value & 0xffffffffu); }

// The items of MENU, one line each, submenus below their popup line, indented.
bool MenuLines(RemoteCaller& remote, ULONG_PTR menu, const std::wstring& indent, std::vector<std::wstring>& lines) {
  const auto count = remote.Call("user32.dll", "GetMenuItemCount", {menu});
  if (!count || static_cast<int>(Low32(*count)) < 0) return false;
  for (UINT i = 0; i < Low32(*count); ++i) {
    const auto state = remote.Call("user32.dll", "GetMenuState", {menu, i, MF_BYPOSITION});
    const auto length = remote.Call("user32.dll", "GetMenuStringW", {menu, i, remote.data(), 512, MF_BYPOSITION});
    const auto id = remote.Call("user32.dll", "GetMenuItemID", {menu, i});
    if (!state || !length || !id || Low32(*length) >= 512) return false;
    std::wstring text(Low32(*length), L'\0');
    if (!text.empty() && !remote.ReadData(text.data(), text.size() * sizeof(wchar_t))) return false;
    const UINT flags = Low32(*state);
    const bool separator = (flags & MF_SEPARATOR) && !(flags & MF_POPUP);
    std::wstring marks;
    if (flags & MF_CHECKED) marks += L"checked,";
    if ((flags & (MF_GRAYED | MF_DISABLED)) && !separator) marks += L"grayed,";  // Wine greys every line
    marks = marks.empty() ? L"-" : marks.substr(0, marks.size() - 1);
    const bool popup = (flags & MF_POPUP) != 0;
    const std::wstring what = popup ? L"popup" : separator ? L"separator" : std::to_wstring(Low32(*id));
    lines.push_back(indent + what + L"\t" + marks + L"\t" + text);
    if (!popup) continue;
    const auto sub = remote.Call("user32.dll", "GetSubMenu", {menu, i});
    if (!sub || !*sub || indent.size() >= 6 || !MenuLines(remote, *sub, indent + L"  ", lines)) return false;
  }
  return true;
}

int Menu(const std::wstring& title) {
  HWND window = FindTarget({title, true});
  if (!window) return Fail(L"no visible window \"" + title + L"\"");
  DWORD_PTR menu = 0;
  if (!SendMessageTimeoutW(window, 0x01E1 /* MN_GETHMENU */, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &menu) || !menu)
    return Fail(HandleText(window) + L" is not a menu window");
  RemoteCaller remote(window);
  if (!remote.ok()) return Fail(L"cannot reach the menu's process, error " + std::to_wstring(GetLastError()));
  std::vector<std::wstring> lines;
  if (!MenuLines(remote, menu, L"", lines)) return Fail(L"the menu's process did not give its items");
  for (const std::wstring& line : lines) Print(stdout, line);
  return kOk;
}

// A 32-bit top-down DIB section of WIDTH x HEIGHT selected into a DC of its own.
struct Canvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  DWORD* pixels = nullptr;
  int width = 0, height = 0;

  Canvas(int w, int h) : width(w), height(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<DWORD*>(bits);
    if (dc && bitmap) previous = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    if (previous) SelectObject(dc, previous);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  bool ok() const { return pixels != nullptr; }
  int Luminance(int x, int y) const {
    const DWORD p = pixels[y * width + x];
    return static_cast<int>((((p >> 16) & 0xff) * 3 + ((p >> 8) & 0xff) * 6 + (p & 0xff)) / 10);
  }
  // TEXT in black on white at the top left, as a skin-less window draws one line.
  void Draw(HFONT font, const std::wstring& text) {
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), -1, &all, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, old);
  }
};

// Two different syllables come out different and not blank: a font without Hangul (nor a linked
// one) draws both as the same box, or nothing.
bool DrawsHangul(HFONT font) {
  Canvas first(96, 96), second(96, 96);
  if (!first.ok() || !second.ok()) return false;
  first.Draw(font, L"\xD55C");   // 한
  second.Draw(font, L"\xAE00");  // 글
  bool ink = false, differ = false;
  for (int y = 0; y < 96; ++y) {
    for (int x = 0; x < 96; ++x) {
      ink = ink || first.Luminance(x, y) < 128;
      differ = differ || first.pixels[y * 96 + x] != second.pixels[y * 96 + x];
    }
  }
  return ink && differ;
}

bool HasHangul(const std::wstring& text) {
  for (const wchar_t c : text) {
    if (c >= 0xAC00 && c <= 0xD7A3) return true;
  }
  return false;
}

int Fonts(const std::wstring& title) {
  HWND window = FindTarget({title, true});
  if (!window) return Fail(L"no visible window \"" + title + L"\"");
  std::vector<HWND> controls;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) {
        if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  RemoteCaller remote(window);
  if (!remote.ok()) return Fail(L"cannot reach the window's process, error " + std::to_wstring(GetLastError()));
  int shown = 0;
  for (HWND control : controls) {
    const auto text = ControlText(control);
    if (!text || !HasHangul(*text)) continue;
    // Asked from inside too: Wine's SendMessageTimeoutW reports a null font as a failure.
    const auto font = remote.Call("user32.dll", "SendMessageW", {reinterpret_cast<ULONG_PTR>(control), WM_GETFONT, 0, 0});
    if (!font) return Fail(L"control " + HandleText(control) + L" did not tell its font");
    LOGFONTW description{};
    if (*font) {
      const auto size = remote.Call("gdi32.dll", "GetObjectW", {*font, sizeof description, remote.data()});
      if (!size || Low32(*size) != sizeof description || !remote.ReadData(&description, sizeof description))
        return Fail(L"the font of control " + HandleText(control) + L" could not be read");
    } else {
      GetObjectW(GetStockObject(SYSTEM_FONT), sizeof description, &description);
    }
    HFONT same = CreateFontIndirectW(&description);
    const bool hangul = same && DrawsHangul(same);
    if (same) DeleteObject(same);
    std::wstring line = L"id=" + std::to_wstring(GetDlgCtrlID(control)) + L" face=" + description.lfFaceName +
                        L" charset=" + std::to_wstring(description.lfCharSet) + L" height=" +
                        std::to_wstring(description.lfHeight) + L" hangul=" + (hangul ? L"1" : L"0") + L" text=";
    for (const wchar_t c : *text) line += c == L'\n' ? std::wstring(L"\\n") : c == L'\r' ? std::wstring() : std::wstring(1, c);
    Print(stdout, line);
    ++shown;
  }
  if (shown == 0) return Fail(L"no visible control of \"" + title + L"\" holds Hangul");
  return kOk;
}

// TEXT as the driver draws it in that font, against the screen at the window's client point: the
// pixels of ink in each, and those both have. The screen's ink is what is darker than halfway
// between its lightest and darkest pixel, when they are far enough apart to be text.
int DrawnText(const std::wstring& title, int x, int y, const std::wstring& face, int height, int weight,
              const std::wstring& text) {
  HWND hwnd = FindTarget({title, true});
  if (!hwnd) return Fail(L"no visible window \"" + title + L"\"");
  LOGFONTW description{};
  description.lfHeight = height;
  description.lfWeight = weight;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfOutPrecision = OUT_CHARACTER_PRECIS;
  description.lfClipPrecision = CLIP_CHARACTER_PRECIS;
  lstrcpynW(description.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&description);
  if (!font) return Fail(L"CreateFontIndirectW failed");
  RECT size{0, 0, 0, 0};
  {
    Canvas measure(1, 1);
    HGDIOBJ old = SelectObject(measure.dc, font);
    DrawTextW(measure.dc, text.c_str(), -1, &size, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(measure.dc, old);
  }
  Canvas expected(size.right, size.bottom), seen(size.right, size.bottom);
  if (size.right <= 0 || size.bottom <= 0 || !expected.ok() || !seen.ok()) {
    DeleteObject(font);
    return Fail(L"nothing to draw");
  }
  expected.Draw(font, text);
  DeleteObject(font);
  POINT origin{x, y};
  ClientToScreen(hwnd, &origin);
  HDC screen = GetDC(nullptr);
  const bool copied = BitBlt(seen.dc, 0, 0, seen.width, seen.height, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  if (!copied) return Fail(L"could not read the screen");
  int darkest = 255, lightest = 0;
  for (int row = 0; row < seen.height; ++row) {
    for (int column = 0; column < seen.width; ++column) {
      const int l = seen.Luminance(column, row);
      darkest = l < darkest ? l : darkest;
      lightest = l > lightest ? l : lightest;
    }
  }
  const bool contrast = lightest - darkest >= 64;
  long ink = 0, inked = 0, common = 0;
  for (int row = 0; row < seen.height; ++row) {
    for (int column = 0; column < seen.width; ++column) {
      const bool a = expected.Luminance(column, row) < 128;
      const bool b = contrast && seen.Luminance(column, row) < (darkest + lightest) / 2;
      ink += a;
      inked += b;
      common += a && b;
    }
  }
  return Succeed(L"size=" + std::to_wstring(size.right) + L"x" + std::to_wstring(size.bottom) + L" ink=" +
                 std::to_wstring(ink) + L" seen=" + std::to_wstring(inked) + L" common=" + std::to_wstring(common));
}

int Run(const std::vector<std::wstring>& args) {
  if (args.empty()) return Usage(L"no command");
  const std::wstring& command = args[0];
  const std::size_t count = args.size() - 1;
  auto number = [&](std::size_t index) { return ParseNumber(args[index].c_str()); };
  auto wrongCount = [&](std::size_t wanted) { return count != wanted; };

  if (command == L"wait-window" || command == L"wait-gone") {
    if (wrongCount(2) || !number(2)) return Usage(command + L" TITLE SECONDS");
    return command == L"wait-window" ? WaitWindow(args[1], *number(2)) : WaitGone(args[1], *number(2));
  }
  if (command == L"gone-first") {
    if (wrongCount(3) || !number(3)) return Usage(L"gone-first FIRST SECOND SECONDS");
    return GoneFirst(args[1], args[2], *number(3));
  }
  if (command == L"send") {
    if (wrongCount(5) || !number(2) || *number(2) > 0xffff || !number(3) || !number(4) || !number(5))
      return Usage(L"send TITLE MESSAGE WPARAM LPARAM SECONDS");
    return Send(args[1], static_cast<UINT>(*number(2)), static_cast<WPARAM>(*number(3)),
                static_cast<LPARAM>(*number(4)), *number(5));
  }
  if (command == L"hold-locked-mutex") {
    if (wrongCount(1) || !number(1) || *number(1) > 3600) return Usage(L"hold-locked-mutex SECONDS (0-3600)");
    return HoldLockedMutex(*number(1));
  }
  if (command == L"mark") {
    if (wrongCount(2)) return Usage(L"mark PATH TEXT");
    return Mark(args[1], args[2]);
  }
  if (command == L"hold-file") {
    if (wrongCount(2) || !number(2) || *number(2) > 3600) return Usage(L"hold-file PATH SECONDS (0-3600)");
    return HoldFile(args[1], *number(2));
  }
  if (command == L"broadcast") {
    if (wrongCount(1) || !number(1)) return Usage(L"broadcast WPARAM");
    return Broadcast(*number(1));
  }
  if (command == L"listen") {
    if (wrongCount(1) || !number(1) || *number(1) == 0 || *number(1) > 3600) return Usage(L"listen SECONDS (1-3600)");
    return Listen(*number(1));
  }
  if (command == L"post-command") {
    if (wrongCount(2) || !number(2) || *number(2) > 0xffff) return Usage(L"post-command TITLE ID");
    return PostCommand(args[1], *number(2));
  }
  if (command == L"dialog-text") {
    if (wrongCount(3) || !number(2) || *number(2) > 0xffff || !number(3))
      return Usage(L"dialog-text TITLE CONTROLID SECONDS");
    return DialogText(args[1], static_cast<int>(*number(2)), *number(3));
  }
  if (command == L"click") {
    if ((count != 2 && count != 3) || !number(2) || *number(2) > 0xffff)
      return Usage(L"click TITLE CONTROLID [auto|bm|command]");
    return Click(args[1], static_cast<int>(*number(2)), count == 3 ? args[3] : L"auto");
  }
  if (command == L"click-at") {
    if (wrongCount(3) || !number(2) || !number(3) || *number(2) > 0x7fff || *number(3) > 0x7fff)
      return Usage(L"click-at TITLE X Y");
    return ClickAt(args[1], static_cast<int>(*number(2)), static_cast<int>(*number(3)));
  }
  if (command == L"foreground") {
    if (wrongCount(0)) return Usage(L"foreground");
    return Foreground();
  }
  if (command == L"activate") {
    if (wrongCount(1)) return Usage(L"activate TITLE");
    return Activate(args[1]);
  }
  if (command == L"windows") {
    if (wrongCount(1)) return Usage(L"windows TITLE");
    return Windows(args[1]);
  }
  if (command == L"focus-probe") {
    if (wrongCount(1) || !number(1) || *number(1) == 0 || *number(1) > 3600)
      return Usage(L"focus-probe SECONDS (1-3600)");
    return FocusProbe(*number(1));
  }
  if (command == L"memos") {
    if (wrongCount(0)) return Usage(L"memos");
    return Memos();
  }
  if (command == L"post") {
    if (wrongCount(4) || !number(2) || *number(2) > 0xffff || !number(3) || !number(4))
      return Usage(L"post TITLE MESSAGE WPARAM LPARAM");
    return Post(args[1], static_cast<UINT>(*number(2)), static_cast<WPARAM>(*number(3)),
                static_cast<LPARAM>(*number(4)));
  }
  if (command == L"place") {
    std::vector<int> edges;
    for (std::size_t i = 2; i <= 5 && i <= count; ++i) {
      const wchar_t* text = args[i].c_str();
      wchar_t* end = nullptr;
      const long value = std::wcstol(text, &end, 10);
      if (end != text && *end == L'\0' && value > -32768 && value < 32768) edges.push_back(static_cast<int>(value));
    }
    if (wrongCount(5) || edges.size() != 4) return Usage(L"place TITLE LEFT TOP RIGHT BOTTOM");
    return Place(args[1], edges[0], edges[1], edges[2], edges[3]);
  }
  if (command == L"set-text") {
    if (wrongCount(3) || !number(2) || *number(2) > 0xffff) return Usage(L"set-text TITLE CONTROLID TEXT");
    return SetText(args[1], static_cast<int>(*number(2)), args[3]);
  }
  if (command == L"list-rows" || command == L"list-select" || command == L"select" || command == L"list-click") {
    const bool rows = command == L"list-rows", select = command == L"select", cell = command == L"list-click";
    const bool twice = command == L"list-select" && count == 4 && args[4] == L"double";
    if (count != (rows ? 2u : twice || cell ? 4u : 3u) || !number(2) || *number(2) > 0xffff ||
        (!rows && (!number(3) || *number(3) > 0x7fffffff)) || (cell && (!number(4) || *number(4) > 0xff)))
      return Usage(rows     ? L"list-rows TITLE CONTROLID"
                   : select ? L"select TITLE CONTROLID INDEX"
                   : cell   ? L"list-click TITLE CONTROLID ROW COLUMN"
                            : L"list-select TITLE CONTROLID ROW [double]");
    const int id = static_cast<int>(*number(2));
    HWND dialog = DialogWith(args[1], id);
    if (!dialog) return Fail(L"no visible window \"" + args[1] + L"\" with control " + std::to_wstring(id));
    HWND control = ControlOf(dialog, id);
    const int index = rows ? 0 : static_cast<int>(*number(3));
    const ControlReport report =
        rows     ? ListRows(control)
        : select ? SelectItem(control, index)
                 : ListSelect(control, index,
                              cell ? ListClick{1, static_cast<int>(*number(4))} : ListClick{twice ? 2 : 0, -1});
    if (!report.failure.empty()) return Fail(report.failure);
    for (const std::wstring& line : report.lines) Print(stdout, line);
    return kOk;
  }
  if (command == L"send-item") {
    if (count != 5u || !number(2) || *number(2) > 0xffff || !number(3) || !number(4) || !number(5))
      return Usage(L"send-item TITLE CONTROLID MESSAGE WPARAM LPARAM");
    HWND dialog = DialogWith(args[1], static_cast<int>(*number(2)));
    if (!dialog) return Fail(L"no visible window \"" + args[1] + L"\" with control " + args[2]);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(ControlOf(dialog, static_cast<int>(*number(2))), static_cast<UINT>(*number(3)),
                             static_cast<WPARAM>(*number(4)), static_cast<LPARAM>(*number(5)), SMTO_ABORTIFHUNG,
                             kMessageTimeoutMs, &result))
      return Fail(L"the control did not answer");
    return Succeed(std::to_wstring(result));
  }
  if (command == L"button-state" || command == L"slider") {
    const bool slider = command == L"slider";
    if (count != (slider ? 3u : 2u) || !number(2) || *number(2) > 0xffff || (slider && (!number(3) || *number(3) > 0xffff)))
      return Usage(slider ? L"slider TITLE CONTROLID POSITION" : L"button-state TITLE CONTROLID");
    const int id = static_cast<int>(*number(2));
    HWND dialog = DialogWith(args[1], id);
    if (!dialog) return Fail(L"no visible window \"" + args[1] + L"\" with control " + std::to_wstring(id));
    HWND control = ControlOf(dialog, id);
    const ControlReport report = slider ? SetSlider(control, static_cast<int>(*number(3))) : ButtonState(control);
    if (!report.failure.empty()) return Fail(report.failure);
    for (const std::wstring& line : report.lines) Print(stdout, line);
    return kOk;
  }
  if (command == L"tree-select") {
    if (wrongCount(2)) return Usage(L"tree-select TITLE PATH");
    HWND window = FindTarget({args[1], true});
    if (!window) return Fail(L"no visible window \"" + args[1] + L"\"");
    const ControlReport report = TreeSelectPath(window, args[2]);
    if (!report.failure.empty()) return Fail(report.failure);
    for (const std::wstring& line : report.lines) Print(stdout, line);
    return kOk;
  }
  if (command == L"text") {
    if (wrongCount(1)) return Usage(L"text TITLE");
    return Text(args[1]);
  }
  if (command == L"key-down" || command == L"key-up") {
    if (wrongCount(1) || !number(1) || *number(1) == 0 || *number(1) > 0xfe) return Usage(command + L" VK (1-254)");
    return Key(static_cast<WORD>(*number(1)), command == L"key-down");
  }
  if (command == L"keys") {
    std::vector<WORD> keys;
    for (std::size_t i = 1; i <= count; ++i) {
      if (!number(i) || *number(i) == 0 || *number(i) > 0xfe) return Usage(L"keys VK... (1-254)");
      keys.push_back(static_cast<WORD>(*number(i)));
    }
    if (keys.empty()) return Usage(L"keys VK... (1-254)");
    return Keys(keys);
  }
  if (command == L"type") {
    if (wrongCount(1)) return Usage(L"type TEXT");
    return Type(args[1]);
  }
  if (command == L"pixels") {
    if (wrongCount(4) || !number(1) || *number(1) > 0x7fff || !number(2) || *number(2) > 0x7fff || !number(3) ||
        *number(3) > 10000 || !number(4) || *number(4) == 0 || *number(4) > 1000)
      return Usage(L"pixels X Y INTERVAL_MS (0-10000) COUNT (1-1000)");
    return Pixels(static_cast<int>(*number(1)), static_cast<int>(*number(2)), *number(3), *number(4));
  }
  if (command == L"text-size") {
    if (wrongCount(4) || !number(2) || *number(2) > 1000 || !number(3) || *number(3) > 1000)
      return Usage(L"text-size FACE HEIGHT WEIGHT TEXT");
    return TextSize(args[1], static_cast<int>(*number(2)), static_cast<int>(*number(3)), args[4]);
  }
  if (command == L"reg-dword" || command == L"reg-sz") {
    if (wrongCount(2)) return Usage(command + L" KEYPATH NAME");
    return command == L"reg-dword" ? RegDword(args[1], args[2]) : RegSz(args[1], args[2]);
  }
  if (command == L"clipboard-info") {
    if (wrongCount(0)) return Usage(L"clipboard-info");
    return ClipboardInfo();
  }
  if (command == L"hold-window") {
    const bool hung = count == 3 && args[3] == L"hung";
    if ((count != 2 && !hung) || !number(2) || *number(2) > 3600) return Usage(L"hold-window TITLE SECONDS [hung]");
    return HoldWindow(args[1], *number(2), hung);
  }
  if (command == L"hold-hotkey") {
    if (wrongCount(3) || !number(1) || *number(1) > 0xf || !number(2) || *number(2) > 0xff || !number(3) ||
        *number(3) > 3600)
      return Usage(L"hold-hotkey MODS VK SECONDS");
    if (!RegisterHotKey(nullptr, 1, static_cast<UINT>(*number(1)), static_cast<UINT>(*number(2))))
      return Fail(L"the hotkey is taken already");
    Print(stdout, L"holding");
    Sleep(static_cast<DWORD>(*number(3) * 1000ULL));
    UnregisterHotKey(nullptr, 1);
    return kOk;
  }
  if (command == L"set-clipboard") {
    if (wrongCount(1)) return Usage(L"set-clipboard TEXT");
    const std::wstring& text = args[1];
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory) return Fail(L"no memory for the clipboard");
    if (void* data = GlobalLock(memory)) {
      std::memcpy(data, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
      GlobalUnlock(memory);
    }
    if (!OpenClipboard(nullptr)) {
      GlobalFree(memory);
      return Fail(L"the clipboard cannot be opened, error " + std::to_wstring(GetLastError()));
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!set) {
      GlobalFree(memory);
      return Fail(L"the clipboard did not take the text");
    }
    return Succeed(L"set");
  }
  if (command == L"hotkeys-free") {
    if (count < 2 || !number(1) || *number(1) > 0xf) return Usage(L"hotkeys-free MODS VK...");
    for (std::size_t i = 2; i <= count; ++i) {
      if (!number(i) || *number(i) > 0xff) return Usage(L"hotkeys-free MODS VK...");
      // Windows keeps one owner a combination: registering tells whether another holds it.
      const bool free = RegisterHotKey(nullptr, 1, static_cast<UINT>(*number(1)), static_cast<UINT>(*number(i)));
      if (free) UnregisterHotKey(nullptr, 1);
      Print(stdout, std::to_wstring(*number(i)) + (free ? L" free" : L" taken"));
    }
    return kOk;
  }
  if (command == L"menu" || command == L"fonts") {
    if (wrongCount(1)) return Usage(command + L" TITLE");
    return command == L"menu" ? Menu(args[1]) : Fonts(args[1]);
  }
  if (command == L"drawn-text") {
    if (wrongCount(7) || !number(2) || *number(2) > 0x7fff || !number(3) || *number(3) > 0x7fff) 
      return Usage(L"drawn-text TITLE X Y FACE HEIGHT WEIGHT TEXT");
    const long fontHeight = std::wcstol(args[5].c_str(), nullptr, 10);
    if (fontHeight < -1000 || fontHeight > 1000 || !number(6) || *number(6) > 1000)
      return Usage(L"drawn-text TITLE X Y FACE HEIGHT WEIGHT TEXT");
    return DrawnText(args[1], static_cast<int>(*number(2)), static_cast<int>(*number(3)), args[4],
                     static_cast<int>(fontHeight), static_cast<int>(*number(6)), args[7]);
  }
  if (command == L"reg-exists") {
    if (wrongCount(1)) return Usage(L"reg-exists KEYPATH");
    return RegExists(args[1]);
  }
  return Usage(L"unknown command " + command);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Rectangles and points in the screen's own pixels, as the program sees them, at any DPI.
  SetProcessDPIAware();
  // Our own UTF-8 bytes, not the C runtime's idea of text.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  return Run(std::vector<std::wstring>(argv + 1, argv + argc));
}
