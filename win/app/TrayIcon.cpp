#include "app/TrayIcon.h"

#include <shellapi.h>

#include "resources/resource.h"

namespace quillet::win {

namespace {

constexpr UINT kIconId = IDI_QUILLET;

}  // namespace

TrayIcon::TrayIcon(HWND frame, HINSTANCE instance)
    : frame_(frame),
      icon_(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUILLET), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0))) {}

TrayIcon::~TrayIcon() {
  Show(false);
  if (icon_) DestroyIcon(icon_);
}

bool TrayIcon::Notify(DWORD action) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = frame_;
  data.uID = kIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = icon_;
  lstrcpynW(data.szTip, L"Quillet", ARRAYSIZE(data.szTip));
  return Shell_NotifyIconW(action, &data) != FALSE;
}

void TrayIcon::Show(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  // Added even if the shell is not up yet: "TaskbarCreated" adds it again when it comes.
  Notify(shown ? NIM_ADD : NIM_DELETE);
}

void TrayIcon::Update() {
  if (shown_) Notify(NIM_MODIFY);
}

void TrayIcon::Restore() {
  if (shown_) Notify(NIM_ADD);
}

}  // namespace quillet::win
