#include <gtest/gtest.h>

#include "platform/WinApi.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "DialogScript.h"
#include "framework/BitmapButton.h"
#include "framework/ToolTips.h"
#include "memo/DesktopPanel.h"
#include "memo/PanelZOrder.h"
#include "resources/resource.h"
#include "settings/Settings.h"

namespace quillet::win {
namespace {

using testing::DialogScript;
using testing::Press;

constexpr int kPanelTemplate = 900;
constexpr int kButton = 1005;
constexpr BYTE kTarget = 200;

// The program around the panels: neighbours to snap to, and a window that takes the commands.
class FakeHost final : public PanelHost {
 public:
  FakeHost() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &FakeHost::Procedure;
    windowClass.lpszClassName = L"QuilletPanelTestTarget";
    RegisterClassW(&windowClass);
    target_ =
        CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  }
  ~FakeHost() { DestroyWindow(target_); }

  PanelNeighbours Neighbours(const DesktopPanel&) const override { return neighbours; }
  void ArrangePanel(DesktopPanel&) override {}
  HWND CommandTarget() const override { return target_; }

  static std::vector<UINT> commands;
  PanelNeighbours neighbours;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == WM_COMMAND) commands.push_back(LOWORD(wParam));
    return DefWindowProcW(hwnd, id, wParam, lParam);
  }
  HWND target_ = nullptr;
};
std::vector<UINT> FakeHost::commands;

class TestPanel final : public DesktopPanel {
 public:
  explicit TestPanel(const PanelServices& services) : DesktopPanel(kPanelTemplate, services) {}

  using DesktopPanel::SetPanelAlpha;
  int hiddenAfterFade = 0;

 private:
  void HideAfterFade() override { ++hiddenAfterFade; }
  BYTE GetTargetAlpha() const override { return kTarget; }
};

class DesktopPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    general.docking = true;
    general.dockingSize = 10;
    FakeHost::commands.clear();
    ASSERT_TRUE(panel->Create());
    Place(100, 100, 180, 100);
    ShowWindow(panel->hwnd(), SW_SHOWNOACTIVATE);
  }
  void TearDown() override { panel.reset(); }

  void Place(int x, int y, int width, int height) {
    SetWindowPos(panel->hwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  LONG_PTR ExStyle() const { return GetWindowLongPtrW(panel->hwnd(), GWL_EXSTYLE); }
  BYTE Alpha() const {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(panel->hwnd(), nullptr, &alpha, &flags)) return 255;
    return alpha;
  }
  static void Pump(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    MSG message;
    while (GetTickCount64() < end) {
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      Sleep(5);
    }
  }

  GeneralSettings general;
  FakeHost host;
  WindowPtr<TestPanel> panel{new TestPanel(PanelServices{general, host})};
};

TEST_F(DesktopPanelTest, ZPositionsPutThePanelWhereTheyShould) {
  const HWND hwnd = panel->hwnd();
  EXPECT_NE(ExStyle() & WS_EX_TOOLWINDOW, 0);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);

  panel->SetZPosition(ZPosition::AlwaysOnTop);
  EXPECT_NE(ExStyle() & WS_EX_TOPMOST, 0);
  panel->SetZPosition(ZPosition::Normal);
  EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0);
  panel->SetZPosition(ZPosition::Bottom);
  EXPECT_EQ(GetWindow(hwnd, GW_HWNDNEXT), nullptr);

  // "EnableDesktop" off: the desktop position is the bottom of the z-order.
  panel->SetZPosition(ZPosition::Desktop);
  EXPECT_EQ(GetWindow(hwnd, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());

  general.enableDesktop = true;
  const HWND shellDesktop = FindWindowW(L"Progman", L"Program Manager");
  panel->SetZPosition(ZPosition::Normal);
  panel->SetZPosition(ZPosition::Desktop);
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), shellDesktop ? shellDesktop : GetDesktopWindow());
  panel->SetZPosition(ZPosition::Normal);
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());

  panel->Raise(true);
  EXPECT_NE(ExStyle() & WS_EX_TOPMOST, 0);
  panel->Raise(false);
  EXPECT_EQ(panel->zPosition(), ZPosition::Normal);
  EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0);
}

TEST_F(DesktopPanelTest, TransparencyAndFades) {
  EXPECT_TRUE(panel->SetPanelAlpha(0, 128, LWA_ALPHA));
  EXPECT_NE(ExStyle() & WS_EX_LAYERED, 0);
  EXPECT_EQ(Alpha(), 128);
  EXPECT_TRUE(panel->SetPanelAlpha(0, 255, LWA_ALPHA));
  EXPECT_EQ(ExStyle() & WS_EX_LAYERED, 0);

  panel->FadeOut();
  Pump(400);
  EXPECT_FALSE(IsWindowVisible(panel->hwnd()));
  EXPECT_NE(ExStyle() & WS_EX_TRANSPARENT, 0);  // a gone panel never takes a click
  EXPECT_EQ(panel->hiddenAfterFade, 1);

  panel->FadeIn();
  Pump(400);
  EXPECT_TRUE(IsWindowVisible(panel->hwnd()));
  EXPECT_EQ(ExStyle() & WS_EX_TRANSPARENT, 0);
  EXPECT_EQ(Alpha(), kTarget);

  panel->BeginTemporaryShow(200);
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(panel->hwnd()));
  Pump(700);
  EXPECT_FALSE(IsWindowVisible(panel->hwnd()));
  EXPECT_EQ(panel->hiddenAfterFade, 2);
}

TEST_F(DesktopPanelTest, MouseOverHidingWaitsForTheMouseToLeave) {
  panel->SetMouseOverHidingEnabled(true);
  SetCursorPos(150, 130);
  SendMessageW(panel->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 30));
  Pump(300);
  EXPECT_FALSE(IsWindowVisible(panel->hwnd()));
  EXPECT_NE(ExStyle() & WS_EX_TRANSPARENT, 0);
  Pump(900);
  EXPECT_FALSE(IsWindowVisible(panel->hwnd()));  // the mouse is still where the panel was

  SetCursorPos(700, 700);
  Pump(1200);
  EXPECT_TRUE(IsWindowVisible(panel->hwnd()));
  EXPECT_EQ(ExStyle() & WS_EX_TRANSPARENT, 0);
  EXPECT_EQ(Alpha(), kTarget);
}

TEST_F(DesktopPanelTest, DraggingSnapsToNeighboursWithinTheDockingSize) {
  host.neighbours.memos = {Rect{300, 100, 480, 200}};
  const auto drag = [&](int cursorX) {
    SendMessageW(panel->hwnd(), WM_NCLBUTTONDOWN, HTNOWHERE, MAKELPARAM(150, 110));
    SetCursorPos(cursorX, 110);
    RECT proposed{};
    SendMessageW(panel->hwnd(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&proposed));
    return proposed;
  };
  EXPECT_EQ(drag(160).right, 300);  // 10 pixels away: snaps
  EXPECT_EQ(drag(159).right, 289);  // 11 pixels away: stays where the mouse put it
  SendMessageW(panel->hwnd(), WM_COMMAND, ID_PANEL_FIX_POSITION, 0);
  EXPECT_EQ(drag(200).left, 100);  // fixed: the rectangle at the press
  SendMessageW(panel->hwnd(), WM_COMMAND, ID_PANEL_FIX_POSITION, 0);

  RECT sized{100, 100, 295, 200};
  SendMessageW(panel->hwnd(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&sized));
  EXPECT_EQ(sized.right, 300);
  EXPECT_EQ(sized.left, 100);
}

TEST_F(DesktopPanelTest, CommandsMoveThePanelOrReachTheProgram) {
  const HWND hwnd = panel->hwnd();
  SendMessageW(hwnd, WM_COMMAND, ID_PANEL_BOTTOM_RIGHT, 0);
  RECT r{};
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN) - 2);
  EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN) - 2);
  EXPECT_EQ(panel->savedPosition(), (Point{r.left, r.top}));
  EXPECT_TRUE(panel->modified());

  SendMessageW(hwnd, WM_COMMAND, ID_OPEN_GROUP_FIRST + 3, 0);
  {
    DialogScript no({{L"Quillet", [](HWND box) { Press(box, IDNO); }}});
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  {
    DialogScript yes({{L"Quillet", [](HWND box) { Press(box, IDYES); }}});
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  // Enter and Esc do not close a panel.
  SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
  SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
  Pump(50);
  EXPECT_TRUE(IsWindow(hwnd));
  // The group command was posted, so it may arrive while the first question is up.
  std::sort(FakeHost::commands.begin(), FakeHost::commands.end());
  EXPECT_EQ(FakeHost::commands, (std::vector<UINT>{ID_OPEN_GROUP_FIRST + 3, ID_APP_EXIT}));
}

TEST_F(DesktopPanelTest, BitmapButtonsShowTheirBackgroundThroughMagentaAndHaveTips) {
  BitmapButton button;
  ASSERT_TRUE(button.Take(GetDlgItem(panel->hwnd(), kButton)));
  SetWindowPos(button.hwnd(), nullptr, 4, 4, 12, 12, SWP_NOZORDER);
  // A 4 × 4 picture: a magenta ring around a blue middle.
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  Bitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(picture);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < 16; ++i) pixels[i] = (i == 5 || i == 6 || i == 9 || i == 10) ? 0x0000FF : 0xFF00FF;
  button.SetPicture(std::move(picture));
  button.SetBackground(RGB(10, 200, 30));
  UpdateWindow(button.hwnd());

  HDC dc = GetDC(button.hwnd());
  const COLORREF ring = GetPixel(dc, 4, 4);      // the picture sits at (4, 4) in the 12 × 12 button
  const COLORREF middle = GetPixel(dc, 5, 5);
  const COLORREF outside = GetPixel(dc, 1, 1);
  ReleaseDC(button.hwnd(), dc);
  EXPECT_EQ(ring, RGB(10, 200, 30));
  EXPECT_EQ(middle, RGB(0, 0, 255));
  EXPECT_EQ(outside, RGB(10, 200, 30));

  ToolTips tips;
  ASSERT_TRUE(tips.Add(button.hwnd(), "항상 위에"));
  EXPECT_EQ(SendMessageW(tips.hwnd(), TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = panel->hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(button.hwnd());
  tool.lpszText = text;
  SendMessageW(tips.hwnd(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"항상 위에");
}

}  // namespace
}  // namespace quillet::win
