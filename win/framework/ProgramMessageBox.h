#pragma once

#include <string>
#include <string_view>

#include "platform/WinApi.h"

namespace quillet::win {

enum class MessageKind {
  Question,  // "예" (IDYES, 6) and "아니오" (IDNO, 7) with a question icon
  Notice,    // one centred "확인" (IDOK) with an exclamation icon
  Retry,     // "다시 시도" (IDRETRY, 4) and "취소" (IDCANCEL, 2) with a question icon
};

// The program's message box, titled "Quillet": topmost, in the foreground, sized to its text.
// Dismissing a question (Esc, the close box, closing the program) answers "아니오"; Esc or the
// close box on a retry question answers "취소".
int ShowProgramMessage(HWND owner, std::string_view text, MessageKind kind = MessageKind::Notice);
// A notice from a format whose one "%s" takes a file's path (the "saved elsewhere" messages).
void ShowProgramMessageAboutFile(HWND owner, const char* format, const std::string& path);

}  // namespace quillet::win
