#include "memo/MemoSearch.h"

#include <commdlg.h>
#include <richedit.h>

#include <vector>

#include "memo/MemoBoard.h"
#include "framework/ClosingState.h"
#include "framework/Dialog.h"
#include "framework/ProgramMessageBox.h"
#include "framework/Screen.h"
#include "memo/MemoWindow.h"
#include "platform/Wide.h"
#include "resources/MemoResources.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

constexpr const char* kNothingFoundQuestion = "검색된 메모가 없습니다. 다시 시도하시겠습니까?";

struct OptionBox {
  int id;
  bool SearchOptions::*flag;
};
constexpr OptionBox kOptionBoxes[] = {
    {IDC_SEARCH_MATCH_CASE, &SearchOptions::matchCase}, {IDC_SEARCH_WHOLE_WORD, &SearchOptions::wholeWord},
    {IDC_SEARCH_ON_TOP, &SearchOptions::onTop},         {IDC_SEARCH_IN_TITLES, &SearchOptions::inTitles},
    {IDC_SEARCH_IN_CONTENT, &SearchOptions::inContent}, {IDC_SEARCH_UNFOLD, &SearchOptions::unfold},
};

class SearchDialog final : public Dialog {
 public:
  explicit SearchDialog(const SearchOptions& options) : Dialog(IDD_SEARCH), options_(options) {}

  const SearchOptions& options() const { return options_; }

 private:
  bool OnInit() override {
    const HWND text = Item(IDC_SEARCH_TEXT);
    SetWindowTextW(text, options_.text.c_str());
    for (const OptionBox& box : kOptionBoxes) {
      CheckDlgButton(hwnd(), box.id, options_.*box.flag ? BST_CHECKED : BST_UNCHECKED);
    }
    PresentForTyping(hwnd(), text);
    return false;
  }

  void OnOK() override {
    const HWND text = Item(IDC_SEARCH_TEXT);
    std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(GetWindowTextW(text, typed.data(), static_cast<int>(typed.size()))));
    options_.text = std::move(typed);
    for (const OptionBox& box : kOptionBoxes) options_.*box.flag = IsDlgButtonChecked(hwnd(), box.id) == BST_CHECKED;
    End(IDOK);
  }

  SearchOptions options_;
};

// Selects the first hit in the memo's content; false when there is none.
bool SelectInContent(MemoWindow& memo, const SearchOptions& options) {
  const HWND editor = memo.editor().hwnd();
  FINDTEXTEXW find{};
  find.chrg = CHARRANGE{0, -1};
  find.lpstrText = options.text.c_str();
  WPARAM flags = FR_DOWN;
  if (options.matchCase) flags |= FR_MATCHCASE;
  if (options.wholeWord) flags |= FR_WHOLEWORD;
  if (SendMessageW(editor, EM_FINDTEXTEXW, flags, reinterpret_cast<LPARAM>(&find)) < 0) return false;
  SendMessageW(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&find.chrgText));
  return true;
}

// Compared as characters: a CP949 byte sequence could match across two Hangul characters.
bool TitleHolds(const MemoWindow& memo, const std::wstring& text) {
  return WidenCp949(memo.record().title).find(text) != std::wstring::npos;
}

void BringForward(MemoWindow& memo, const SearchOptions& options) {
  // The memo's own command, so that the new z-position is saved like any other change.
  if (options.onTop) SendMessageW(memo.hwnd(), WM_COMMAND, ID_MEMO_ALWAYS_ON_TOP, 0);
  SetForegroundWindow(memo.hwnd());
  memo.Flash(options.unfold);
}

int SearchMemos(const std::vector<MemoWindow*>& memos, const SearchOptions& options) {
  int hits = 0;
  for (MemoWindow* memo : memos) {
    const bool inContent = options.inContent && SelectInContent(*memo, options);
    if (!inContent && !(options.inTitles && TitleHolds(*memo, options.text))) continue;
    BringForward(*memo, options);
    // Once the memo has its final size, and wherever its editor was scrolled to.
    if (inContent) SendMessageW(memo->editor().hwnd(), EM_SCROLLCARET, 0, 0);
    ++hits;
  }
  return hits;
}

}  // namespace

void MemoSearch::Run(HWND frame, MemoBoard& memos, const ClosingState& closing) {
  if (running_) return;
  running_ = true;
  struct Done {
    bool& running;
    ~Done() { running = false; }
  } done{running_};
  for (;;) {
    SearchDialog dialog(options_);
    if (dialog.RunModal(frame) != IDOK || closing.InProgress()) return;
    options_ = dialog.options();
    memos.SaveChanged(true, MemoBoard::Report::Failures);
    if (closing.InProgress() || options_.text.empty()) return;
    if (SearchMemos(memos.Windows(), options_) > 0) return;
    if (ShowProgramMessage(frame, kNothingFoundQuestion, MessageKind::Retry) != IDRETRY || closing.InProgress()) return;
  }
}

}  // namespace quillet::win
