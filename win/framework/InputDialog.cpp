#include "framework/InputDialog.h"

#include "framework/Dialog.h"
#include "framework/StorableText.h"
#include "platform/Wide.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

class InputDialog final : public Dialog {
 public:
  InputDialog(std::string_view prompt, std::string_view initial)
      : Dialog(IDD_INPUT), prompt_(WidenCp949(prompt)), initial_(WidenCp949(initial)) {}

  const std::string& text() const { return text_; }

 private:
  bool OnInit() override {
    SetWindowTextW(hwnd(), prompt_.c_str());
    SetDlgItemTextW(hwnd(), IDC_INPUT_PROMPT, prompt_.c_str());
    SetDlgItemTextW(hwnd(), IDC_INPUT_TEXT, initial_.c_str());
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd());
    SetFocus(Item(IDC_INPUT_TEXT));
    SendMessageW(Item(IDC_INPUT_TEXT), EM_SETSEL, 0, -1);
    return false;
  }

  void OnOK() override {
    std::optional<std::string> text = ReadStorableText(Item(IDC_INPUT_TEXT));
    if (!text) return;
    text_ = std::move(*text);
    End(IDOK);
  }

  std::wstring prompt_;
  std::wstring initial_;
  std::string text_;
};

}  // namespace

std::optional<std::string> AskForText(HWND owner, std::string_view prompt, std::string_view initial) {
  InputDialog dialog(prompt, initial);
  if (dialog.RunModal(owner) != IDOK) return std::nullopt;
  return dialog.text();
}

}  // namespace quillet::win
