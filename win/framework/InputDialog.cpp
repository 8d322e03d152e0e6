#include "framework/InputDialog.h"

#include "framework/Dialog.h"
#include "platform/Wide.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

class InputDialog final : public Dialog {
 public:
  InputDialog(std::string_view prompt, std::string_view initial)
      : Dialog(IDD_INPUT), prompt_(WidenCp949(prompt)), text_(WidenCp949(initial)) {}

  const std::wstring& text() const { return text_; }

 private:
  bool OnInit() override {
    SetWindowTextW(hwnd(), prompt_.c_str());
    SetDlgItemTextW(hwnd(), IDC_INPUT_PROMPT, prompt_.c_str());
    SetDlgItemTextW(hwnd(), IDC_INPUT_TEXT, text_.c_str());
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd());
    SetFocus(Item(IDC_INPUT_TEXT));
    SendMessageW(Item(IDC_INPUT_TEXT), EM_SETSEL, 0, -1);
    return false;
  }

  void OnOK() override {
    const int length = GetWindowTextLengthW(Item(IDC_INPUT_TEXT));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(Item(IDC_INPUT_TEXT), text.data(), length + 1)));
    text_ = std::move(text);
    End(IDOK);
  }

  std::wstring prompt_;
  std::wstring text_;
};

}  // namespace

std::optional<std::string> AskForText(HWND owner, std::string_view prompt, std::string_view initial) {
  InputDialog dialog(prompt, initial);
  if (dialog.RunModal(owner) != IDOK) return std::nullopt;
  return NarrowToCp949(dialog.text());
}

}  // namespace quillet::win
