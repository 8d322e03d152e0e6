#include "framework/ProgramMessageBox.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/Screen.h"
#include "platform/Wide.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

struct Look {
  int templateId;
  const wchar_t* icon;
  int dismissed;  // the answer of Esc and the close box
};

Look LookOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Question:
      return {IDD_MESSAGE_QUESTION, IDI_QUESTION, IDNO};
    case MessageKind::Retry:
      return {IDD_MESSAGE_RETRY, IDI_QUESTION, IDCANCEL};
    case MessageKind::Notice:
      break;
  }
  return {IDD_MESSAGE_NOTICE, IDI_EXCLAMATION, IDOK};
}

class MessageDialog final : public Dialog {
 public:
  MessageDialog(std::string_view text, const Look& look)
      : Dialog(look.templateId), text_(WidenCp949(text)), look_(look) {}

 private:
  bool OnInit() override {
    SendMessageW(Item(IDC_MESSAGE_ICON), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, look_.icon)), 0);
    SetDlgItemTextW(hwnd(), IDC_MESSAGE_TEXT, text_.c_str());
    FitToText();
    CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
    SetForegroundWindow(hwnd());
    return true;
  }

  void OnCommand(UINT id, UINT notification) override {
    if (id == IDYES || id == IDNO || id == IDRETRY) {
      End(id);
      return;
    }
    Dialog::OnCommand(id, notification);
  }

  void OnCancel() override { End(look_.dismissed); }

  RECT ItemRect(int id) const {
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  // Grows or shrinks the text to what it needs and moves the buttons below it, centred.
  void FitToText() {
    RECT units{0, 0, 280, 8};  // widest line and the margin, in dialog units
    MapDialogRect(hwnd(), &units);
    const RECT textRect = ItemRect(IDC_MESSAGE_TEXT);
    const int margin = units.bottom;

    RECT needed{0, 0, units.right, 0};
    {
      const WindowDc dc(hwnd());
      const Selection font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
      DrawTextW(dc.Get(), text_.c_str(), static_cast<int>(text_.size()), &needed,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }

    const RECT iconRect = ItemRect(IDC_MESSAGE_ICON);
    const int textHeight = std::max<int>(needed.bottom, iconRect.bottom - iconRect.top);
    const int textWidth = std::max<int>(needed.right, units.right / 2);
    MoveWindow(Item(IDC_MESSAGE_TEXT), textRect.left, textRect.top, textWidth, textHeight, FALSE);

    const int buttons[] = {IDYES, IDNO, IDRETRY, IDOK, IDCANCEL};
    int rowWidth = 0;
    int buttonHeight = 0;
    int count = 0;
    for (int id : buttons) {
      if (!Item(id)) continue;
      const RECT r = ItemRect(id);
      rowWidth += (r.right - r.left) + (count ? margin : 0);
      buttonHeight = r.bottom - r.top;
      ++count;
    }
    const int clientWidth = std::max<int>(textRect.left + textWidth + 2 * margin, rowWidth + 4 * margin);
    const int buttonTop = textRect.top + textHeight + 2 * margin;
    int x = (clientWidth - rowWidth) / 2;
    for (int id : buttons) {
      if (!Item(id)) continue;
      const RECT r = ItemRect(id);
      MoveWindow(Item(id), x, buttonTop, r.right - r.left, buttonHeight, FALSE);
      x += (r.right - r.left) + margin;
    }
    RECT window{0, 0, clientWidth, buttonTop + buttonHeight + margin + margin / 2};
    AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
    SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  }

  std::wstring text_;
  Look look_;
};

}  // namespace

int ShowProgramMessage(HWND owner, std::string_view text, MessageKind kind) {
  const Look look = LookOf(kind);
  MessageDialog dialog(text, look);
  const INT_PTR result = dialog.RunModal(owner);
  if (result == -1) return look.dismissed;
  return static_cast<int>(result);
}

void ShowProgramMessageAboutFile(HWND owner, const char* format, const std::string& path) {
  char text[1024];
  std::snprintf(text, sizeof text, format, path.c_str());
  ShowProgramMessage(owner, text);
}

}  // namespace quillet::win
