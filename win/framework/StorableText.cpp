#include "framework/StorableText.h"

#include "framework/ProgramMessageBox.h"
#include "platform/Wide.h"

namespace quillet::win {

std::optional<std::string> ReadStorableText(HWND edit) {
  const int length = GetWindowTextLengthW(edit);
  std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
  typed.resize(static_cast<std::size_t>(GetWindowTextW(edit, typed.data(), length + 1)));
  std::optional<std::string> text = NarrowToCp949Exactly(typed);
  if (!text) {
    ShowProgramMessage(GetParent(edit), "사용할 수 없는 글자가 있습니다.");
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }
  return text;
}

}  // namespace quillet::win
