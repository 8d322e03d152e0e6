#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "Screenshot.h"
#include "memo/FormatBar.h"
#include "memo/MemoColors.h"
#include "resources/MemoResources.h"

namespace quillet::win {
namespace {

using testing::EditorFixture;
using testing::Select;
using testing::Type;

bool Checked(HWND bar, int id) { return SendMessageW(GetDlgItem(bar, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::wstring ComboText(HWND bar, int id) {
  wchar_t text[64] = {};
  GetDlgItemTextW(bar, id, text, 64);
  return text;
}

int WidthOf(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  return place.right - place.left;
}

TEST(FormatBar, ShowsTheSelectionsFormatAndChangesIt) {
  EditorFixture fixture;
  ASSERT_TRUE(fixture.Ready());
  const HWND edit = fixture.control();
  // As in a memo: the bar above the editor.
  SetWindowPos(edit, nullptr, 5, 24, 330, 160, SWP_NOZORDER);
  WindowPtr<FormatBar> bar(new FormatBar);
  ASSERT_TRUE(bar->Create(fixture.window(), fixture.editor()));
  SetWindowPos(bar->hwnd(), nullptr, 2, 2, 336, 20, SWP_NOZORDER | SWP_SHOWWINDOW);
  const HWND strip = bar->hwnd();

  Type(edit, L"굵게 기울임 Tahoma 글자");  // 0-1 bold and italic, 3-5 italic, 7-12 Tahoma 20
  SelectionFormat format = fixture.editor().Selection();
  Select(edit, 0, 2);
  format.ToggleBold();
  Select(edit, 0, 6);
  format.ToggleItalic();
  Select(edit, 7, 13);
  format.SetFace("Tahoma");
  format.SetSize(20);

  Select(edit, 0, 6);
  bar->Sync();
  EXPECT_FALSE(Checked(strip, IDC_FORMAT_BOLD));  // only part of it
  EXPECT_TRUE(Checked(strip, IDC_FORMAT_ITALIC));
  EXPECT_FALSE(Checked(strip, IDC_FORMAT_UNDERLINE));
  EXPECT_EQ(ComboText(strip, IDC_FORMAT_SIZE), L"10");

  SendMessageW(GetDlgItem(strip, IDC_FORMAT_BOLD), BM_CLICK, 0, 0);
  EXPECT_TRUE(format.Bold());  // mixed bold becomes bold throughout
  EXPECT_TRUE(Checked(strip, IDC_FORMAT_BOLD));
  EXPECT_EQ(GetFocus(), edit);

  Select(edit, 7, 13);
  bar->Sync();
  EXPECT_FALSE(Checked(strip, IDC_FORMAT_ITALIC));
  EXPECT_EQ(ComboText(strip, IDC_FORMAT_SIZE), L"20");
  EXPECT_EQ(ComboText(strip, IDC_FORMAT_FACE), L"Tahoma");
  Select(edit, 3, 13);  // two sizes and faces: neither shows
  bar->Sync();
  EXPECT_EQ(ComboText(strip, IDC_FORMAT_SIZE), L"");
  EXPECT_EQ(ComboText(strip, IDC_FORMAT_FACE), L"");

  Select(edit, 7, 13);
  bar->Sync();
  bar->SetBackground(ColorsFor(0xBEEAEA, false).formatBar);
  testing::KeepScreenshot(fixture.window(), "format-bar");

  // The face combo takes the room right of the size combo (which ends at 122), less 4, up to 140.
  const struct {
    int barWidth, faceWidth;
  } widths[] = {{400, 140}, {200, 74}, {170, 50}};
  for (const auto& w : widths) {
    SetWindowPos(strip, nullptr, 0, 0, w.barWidth, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(WidthOf(GetDlgItem(strip, IDC_FORMAT_FACE)), w.faceWidth) << w.barWidth;
  }
}

}  // namespace
}  // namespace quillet::win
