#include "framework/InputDialog.h"

#include "framework/Dialog.h"
#include "framework/ProgramMessageBox.h"
#include "platform/Wide.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

constexpr const char* kUnstorableTextMessage = "사용할 수 없는 글자가 있습니다.";

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

  // The program keeps text as CP949: what it cannot store is refused, never silently changed.
  void OnOK() override {
    const HWND edit = Item(IDC_INPUT_TEXT);
    const int length = GetWindowTextLengthW(edit);
    std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(GetWindowTextW(edit, typed.data(), length + 1)));
    std::optional<std::string> text = NarrowToCp949Exactly(typed);
    if (!text) {
      ShowProgramMessage(hwnd(), kUnstorableTextMessage);
      SetFocus(edit);
      SendMessageW(edit, EM_SETSEL, 0, -1);
      return;
    }
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
