#include <gtest/gtest.h>

#include "memo/OleSession.h"
#include "resources/MemoResources.h"
#include "support/MemoryProgram.h"

namespace quillet::win {
namespace {

RECT WindowPlace(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

int Height(HWND hwnd) {
  const RECT r = WindowPlace(hwnd);
  return r.bottom - r.top;
}

// Dragged to a monitor of 150 % and back: the memo takes the place Windows suggests, its strip and
// editor inset follow the new DPI, and a memo folded there unfolds to its size scaled back.
TEST(MemoDpi, AMemoMovedBetweenScalesKeepsItsLook) {
  OleSession ole;
  testing::MemoryProgram program;
  testing::QuietMemoHost host(false);
  const MemoServices services{program.settings, program.files, program.clock, nullptr, host,
                              [](const std::string&) {}};

  MemoRecord record = NewMemoRecord(program.settings.values().general);
  record.windowRect = Rect{100, 100, 400, 300};
  record.expandedSize = Size{300, 200};
  record.contentFile = "dpi.rtf";
  WindowPtr<MemoWindow> memo = MemoWindow::CreateFromRecord(services, record);
  ASSERT_TRUE(memo);
  const HWND hwnd = memo->hwnd();
  const HWND editor = GetDlgItem(hwnd, IDC_MEMO_EDITOR);
  const HWND strip = FindWindowExW(hwnd, nullptr, L"#32770", nullptr);  // the one child dialog
  ASSERT_TRUE(strip);
  ASSERT_EQ(Height(strip), 17);

  RECT wider{100, 100, 550, 400};
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&wider));
  const RECT place = WindowPlace(hwnd);
  EXPECT_EQ(place.left, 100);
  EXPECT_EQ(place.right, 550);
  EXPECT_EQ(place.bottom, 400);
  EXPECT_EQ(Height(strip), 26);
  const RECT inner = WindowPlace(editor);
  EXPECT_EQ(inner.left - place.left, 8);
  EXPECT_EQ(inner.top - place.top, 30);
  EXPECT_EQ(memo->record().expandedSize, (Size{450, 300}));

  SendMessageW(hwnd, WM_COMMAND, IDC_STRIP_FOLD, 0);
  ASSERT_FALSE(memo->expanded());
  EXPECT_EQ(Height(hwnd), 27);
  RECT folded = WindowPlace(hwnd);
  RECT back{folded.left, folded.top, folded.left + 180, folded.top + 18};
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
  EXPECT_EQ(Height(hwnd), 18);
  EXPECT_EQ(memo->record().expandedSize, (Size{300, 200}));
  SendMessageW(hwnd, WM_COMMAND, IDC_MEMO_EXPAND, 0);
  EXPECT_EQ(Height(hwnd), 200);
  EXPECT_EQ(Height(strip), 17);

  memo.reset();
}

}  // namespace
}  // namespace quillet::win
