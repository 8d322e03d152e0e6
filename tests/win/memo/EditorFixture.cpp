#include "EditorFixture.h"

#include <richedit.h>

#include "platform/Wide.h"
#include "settings/SettingsStore.h"

namespace quillet::win::testing {

class EditorFixture::HostWindow final : public Window {
 public:
  static WindowPtr<HostWindow> Make() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Register(instance, WindowClass{L"QuilletEditorTestHost", 0, nullptr, nullptr, GetSysColorBrush(COLOR_WINDOW)});
    WindowPtr<HostWindow> window(new HostWindow);
    if (!window->Create(instance, L"QuilletEditorTestHost", L"editor", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW,
                        Placement{20, 20, 360, 220})) {
      return nullptr;
    }
    return window;
  }
};

EditorFixture::EditorFixture()
    : clock(LocalTime{2026, 12, 8, 13, 5, 9, 0, 2}), window_(HostWindow::Make()) {
  settings.general.fontName = "굴림";
  settings.general.restoreScrollPos = true;
  if (!window_) return;
  editor_.reset(new MemoEditor(*this, MemoEditorServices{
                                          settings,
                                          [] { return ReadMemoMacros(quillet::testing::MemorySettingsBackend{}); },
                                          clock,
                                          files,
                                          [this](const std::string& address) { opened.push_back(address); },
                                      }));
  RECT client{};
  GetClientRect(window_->hwnd(), &client);
  InflateRect(&client, -4, -4);
  if (!editor_->Create(WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, client,
                       window_->hwnd(), 4677)) {
    editor_.reset();
  }
}

EditorFixture::~EditorFixture() = default;

HWND EditorFixture::window() const { return window_ ? window_->hwnd() : nullptr; }

LONG TextLength(HWND editor) {
  GETTEXTLENGTHEX lengthOf{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(SendMessageW(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0));
}

std::wstring TextOf(HWND editor) {
  std::wstring text(static_cast<std::size_t>(TextLength(editor)) + 1, L'\0');
  GETTEXTEX how{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
  text.resize(static_cast<std::size_t>(
      SendMessageW(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void Type(HWND editor, const std::wstring& text) {
  SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Select(HWND editor, LONG first, LONG last) {
  CHARRANGE range{first, last};
  SendMessageW(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

std::string OutputPath(const std::string& name) {
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring folder = program;
  folder = folder.substr(0, folder.find_last_of(L'\\') + 1) + L"memo-editor-output";
  CreateDirectoryW(folder.c_str(), nullptr);
  return NarrowToCp949(folder) + "\\" + name;
}

void Pump(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  MSG message;
  while (GetTickCount64() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
}

}  // namespace quillet::win::testing
