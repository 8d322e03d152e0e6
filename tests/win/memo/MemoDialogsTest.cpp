#include <gtest/gtest.h>

#include "DialogScript.h"
#include "Screenshot.h"
#include "memo/DeleteDialog.h"
#include "memo/TitleDialog.h"
#include "resources/MemoResources.h"

namespace quillet::win {
namespace {

using testing::DialogScript;
using testing::ItemText;
using testing::Press;

constexpr const wchar_t* kTitleCaption = L"타이틀 입력";

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Choose(HWND dialog, int comboId, const wchar_t* item) {
  SendMessageW(GetDlgItem(dialog, comboId), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item));
}

TEST(MemoDialogs, TitleAndDeleteDialogsAnswerWhatWasChosen) {
  const TitleFont font = ParseTitleFont("7816192|0|1|0|14|Tahoma");
  {
    std::wstring title, face, size;
    bool bold = true, underline = false;
    DialogScript script({{kTitleCaption, [&](HWND dialog) {
                            title = ItemText(dialog, IDC_TITLE_TEXT);
                            face = ItemText(dialog, IDC_TITLE_FACE);
                            size = ItemText(dialog, IDC_TITLE_SIZE);
                            bold = Checked(dialog, IDC_TITLE_BOLD);
                            underline = Checked(dialog, IDC_TITLE_UNDERLINE);
                            testing::KeepScreenshot(dialog, "title-dialog");
                            SetDlgItemTextW(dialog, IDC_TITLE_TEXT, L"장보기 목록");
                            Click(dialog, IDC_TITLE_BOLD);
                            Click(dialog, IDC_TITLE_UNDERLINE);
                            Choose(dialog, IDC_TITLE_SIZE, L"20");
                            Press(dialog, IDOK);
                          }}});
    const std::optional<TitleEdit> edit = AskForTitle(nullptr, "할 일", font);
    EXPECT_EQ(title, L"할 일");
    EXPECT_EQ(face, L"Tahoma");
    EXPECT_EQ(size, L"14");
    EXPECT_FALSE(bold);
    EXPECT_TRUE(underline);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->title, "장보기 목록");
    EXPECT_EQ(FormatTitleFont(edit->font), "7816192|0|0|1|20|Tahoma");
  }
  {
    // A title CP949 cannot store is refused and the dialog stays; Cancel then gives nothing.
    bool stayed = false;
    DialogScript script({
        {kTitleCaption, [](HWND dialog) {
           SetDlgItemTextW(dialog, IDC_TITLE_TEXT, L"caf\x00e9");
           Press(dialog, IDOK);
         }},
        {L"Quillet", [](HWND box) { Press(box, IDOK); }},
        {kTitleCaption, [&](HWND dialog) {
           stayed = ItemText(dialog, IDC_TITLE_TEXT) == L"caf\x00e9";
           Press(dialog, IDCANCEL);
         }},
    });
    EXPECT_FALSE(AskForTitle(nullptr, "할 일", font));
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(script.Done());
  }

  const struct {
    std::function<void(HWND)> act;
    DeleteChoice answer;
  } cases[] = {
      {[](HWND dialog) {
         testing::KeepScreenshot(dialog, "delete-dialog");
         Click(dialog, IDOK);
       },
       DeleteChoice::RecycleBin},
      {[](HWND dialog) { Click(dialog, IDRETRY); }, DeleteChoice::TemporaryStorage},
      {[](HWND dialog) { Click(dialog, IDABORT); }, DeleteChoice::ForGood},
      {[](HWND dialog) { Click(dialog, IDCANCEL); }, DeleteChoice::Cancel},
      {[](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); }, DeleteChoice::Cancel},
      {[](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, DeleteChoice::Cancel},
  };
  for (const auto& c : cases) {
    DialogScript script({{L"Quillet - 메모를 삭제하려고 합니다.", c.act}});
    EXPECT_EQ(AskHowToDelete(nullptr), c.answer);
    EXPECT_TRUE(script.Done());
  }
}

}  // namespace
}  // namespace quillet::win
