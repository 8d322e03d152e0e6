#include <gtest/gtest.h>

#include "platform/WinApi.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Fakes.h"
#include "SkinTestSupport.h"
#include "framework/Gdi.h"
#include "framework/GdiPlusApi.h"
#include "memo/PanelZOrder.h"
#include "platform/Wide.h"
#include "platform/Win32FileSystem.h"
#include "settings/Settings.h"
#include "skin/BuiltInSkins.h"
#include "skin/GdiPlusImageLoader.h"
#include "skin/SkinResources.h"
#include "skin/SkinWindow.h"

namespace quillet::win {
namespace {

// Topmost and away from where other test programs, which ctest may run alongside, put windows.
constexpr Point kPlace{900, 700};

class RecordingHost final : public WidgetHost {
 public:
  PanelNeighbours Neighbours(const DesktopPanel&) const override { return {}; }
  void ArrangePanel(DesktopPanel&) override {}
  HWND CommandTarget() const override { return nullptr; }
  OwnedMenu MakeProgramMenu() override { return {}; }
  void DestroyWidget(SkinWindow& widget) override {
    ++destroyed;
    if (onDestroy) onDestroy(widget);
  }
  void RunSetupCommand(SkinCommand command) override { setup.push_back(command); }

  int destroyed = 0;
  std::function<void(SkinWindow&)> onDestroy;
  std::vector<SkinCommand> setup;
};

void Pump(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  MSG message;
  while (GetTickCount64() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(5);
  }
}

// What the screen shows in a rectangle, read back through the screen DC.
class ScreenArea {
 public:
  ScreenArea(int left, int top, int width, int height) {
    HDC screen = GetDC(nullptr);
    OwnedDc memory(CreateCompatibleDC(screen));
    bitmap_.Reset(CreateCompatibleBitmap(screen, width, height));
    {
      Selection into(memory.Get(), bitmap_.Get());
      BitBlt(memory.Get(), 0, 0, width, height, screen, left, top, SRCCOPY);
    }
    ReleaseDC(nullptr, screen);
    picture_ = std::make_unique<Gdiplus::Bitmap>(bitmap_.Get(), nullptr);
  }

  // 0xRRGGBB.
  Argb At(int x, int y) const {
    Gdiplus::Color color;
    picture_->GetPixel(x, y, &color);
    return color.GetValue() & 0xFFFFFF;
  }
  void Keep(const std::string& name) {
    GdiPlusCanvas canvas(*picture_);
    skintest::Keep(canvas, name);
  }

 private:
  Bitmap bitmap_;
  std::unique_ptr<Gdiplus::Bitmap> picture_;
};

int Channel(Argb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// A pixel of straight ARGB as a premultiplied presentation with constant `alpha` shows it on black.
Argb OnBlack(Argb c, int alpha) {
  const int a = Channel(c, 24) * alpha;
  Argb shown = 0;
  for (int shift : {16, 8, 0}) shown |= static_cast<Argb>((Channel(c, shift) * a + 255 * 255 / 2) / (255 * 255)) << shift;
  return shown;
}

bool Near(Argb a, Argb b) {
  for (int shift : {16, 8, 0}) {
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > 2) return false;
  }
  return true;
}

class SkinWindowTest : public ::testing::Test {
 protected:
  WindowPtr<SkinWindow> MakeWindow(const std::string& skinPath) {
    WindowPtr<SkinWindow> window(new SkinWindow(services_, ""));
    EXPECT_TRUE(window->Create(kPlace, skinPath, ZPosition::AlwaysOnTop, 255));
    return window;
  }

  // Shown and done fading in, however slow the timers run.
  static bool ShowFully(SkinWindow& window) {
    window.FadeIn();
    for (int i = 0; i < 150 && window.ShowState() != PanelShowState::Shown; ++i) Pump(20);
    return window.ShowState() == PanelShowState::Shown;
  }

  static RECT Place(const SkinWindow& window) {
    RECT r{};
    GetWindowRect(window.hwnd(), &r);
    return r;
  }

  RecordingHost host_;
  Win32FileSystem files_;

 private:
  GeneralSettings general_;
  testing::FixedClock clock_;
  SkinWindowServices services_{PanelServices{general_, host_}, host_, files_, clock_,
                               GetModuleHandleW(nullptr), "", ""};
};

// Every pixel of the placeholder reaches the screen premultiplied: on the black root of the test
// display, an opaque pixel shows its colour, a transparent one black, and the window's
// transparency scales them all with nothing beneath blended in.
TEST_F(SkinWindowTest, PlaceholderReachesTheScreenPremultiplied) {
  GdiPlusImageLoader images(files_);
  const std::unique_ptr<SkinImage> loaded = images.LoadResource(kNoSkinBackground);
  ASSERT_TRUE(loaded);
  const std::vector<Argb> picture = skintest::PixelsOf(static_cast<GdiPlusImage&>(*loaded));
  const SkinResource& expected = *std::find_if(std::begin(kSkinResources), std::end(kSkinResources),
                                               [](const SkinResource& r) { return r.id == kNoSkinBackground; });

  WindowPtr<SkinWindow> window = MakeWindow("");
  const RECT place = Place(*window);
  ASSERT_EQ(place.right - place.left, expected.width);
  ASSERT_EQ(place.bottom - place.top, expected.height);
  ASSERT_TRUE(ShowFully(*window));
  BYTE alpha = 0;
  EXPECT_FALSE(GetLayeredWindowAttributes(window->hwnd(), nullptr, &alpha, nullptr))
      << "presented with SetLayeredWindowAttributes, alpha " << int(alpha);

  for (const int shown : {255, 128}) {
    if (shown != 255) {
      window->SetTransparency(static_cast<BYTE>(shown));
      Pump(100);
    }
    constexpr int kMargin = 12;
    ScreenArea screen(place.left - kMargin, place.top - kMargin, expected.width + 2 * kMargin,
                      expected.height + 2 * kMargin);
    screen.Keep("placeholder-on-screen-" + std::to_string(shown));
    int wrong = 0, opaque = 0, clear = 0;
    for (int y = 0; y < expected.height; ++y) {
      for (int x = 0; x < expected.width; ++x) {
        const Argb source = picture[static_cast<std::size_t>(y * expected.width + x)];
        const Argb seen = screen.At(x + kMargin, y + kMargin);
        opaque += Channel(source, 24) == 255;
        clear += Channel(source, 24) == 0;
        if (!Near(seen, OnBlack(source, shown)) && wrong++ < 5) {
          ADD_FAILURE() << "at " << x << "," << y << " alpha " << shown << ": picture " << std::hex << source
                        << ", expected " << OnBlack(source, shown) << ", screen " << seen;
        }
      }
    }
    EXPECT_EQ(wrong, 0) << "alpha " << shown;
    EXPECT_GT(opaque, expected.width * expected.height / 2);
    EXPECT_GT(clear, 0);
    EXPECT_EQ(screen.At(kMargin / 2, kMargin / 2), 0u) << "outside the window";
  }
}

// Button frames: pressed red, normal green, hover blue.
constexpr Argb kFrames[] = {0xFFE02020, 0xFF20C020, 0xFF2020E0};
constexpr int kButtonSide = 20;
struct ButtonPlace {
  const char* name;
  const char* command;
  int x, y;
  POINT Centre() const { return POINT{x + kButtonSide / 2, y + kButtonSide / 2}; }
};
// The destroy button comes first, so its command would run before the hide button is updated if
// commands ran inside the tracking loop.
constexpr ButtonPlace kDestroy{"Destroy", "<DESTROY_WINDOW>", 10, 15};
constexpr ButtonPlace kHide{"Hide", "<hide_window>", 60, 15};
constexpr POINT kBackground{100, 5};

std::string Temp() {
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, path);
  return NarrowToCp949(path) + "quillet-skin-window-test\\";
}

bool SavePlain(const std::string& path, int width, int height, const std::vector<Argb>& cells) {
  GdiPlusCanvas canvas(width * static_cast<int>(cells.size()), height);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    canvas.FillRect(Rect{static_cast<int>(i) * width, 0, static_cast<int>(i + 1) * width, height}, cells[i]);
  }
  return canvas.SavePng(path);
}

// The state shown by each button, read off the screen: 0 pressed, 1 normal, 2 hover, -1 other.
std::vector<int> ShownStates(const SkinWindow& window) {
  RECT place{};
  GetWindowRect(window.hwnd(), &place);
  std::vector<int> states;
  HDC screen = GetDC(nullptr);
  for (const ButtonPlace& button : {kDestroy, kHide}) {
    const COLORREF seen = GetPixel(screen, place.left + button.Centre().x, place.top + button.Centre().y);
    const Argb rgb = (GetRValue(seen) << 16) | (GetGValue(seen) << 8) | GetBValue(seen);
    int state = -1;
    for (int i = 0; i < 3; ++i) {
      if (Near(rgb, kFrames[i] & 0xFFFFFF)) state = i;
    }
    states.push_back(state);
  }
  ReleaseDC(nullptr, screen);
  return states;
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

// A 120 × 50 grey skin with the destroy and hide buttons, in the temporary folder; its path.
std::string WriteButtonsSkin(FileSystem& files) {
  const std::string folder = Temp();
  files.CreateFolder(folder);
  EXPECT_TRUE(SavePlain(folder + "background.png", 120, 50, {0xFF808080}));
  EXPECT_TRUE(SavePlain(folder + "button.png", kButtonSide, kButtonSide, {kFrames[0], kFrames[1], kFrames[2]}));
  std::string text = "[Background]\r\nBackground=background.png\r\n";
  for (const ButtonPlace& b : {kDestroy, kHide}) {
    text += "[" + std::string(b.name) + "]\r\nDrawType=BUTTON\r\nX=" + std::to_string(b.x) +
            "\r\nY=" + std::to_string(b.y) + "\r\nW=20\r\nH=20\r\nImageName=button.png\r\nCommand=" + b.command +
            "\r\n";
  }
  EXPECT_TRUE(files.ReplaceFile(folder + "buttons.ski", text));
  return folder + "buttons.ski";
}

void RemoveButtonsSkin(FileSystem& files) {
  const std::string folder = Temp();
  for (const char* name : {"buttons.ski", "button.png", "background.png"}) files.DeleteFile(folder + name);
  RemoveDirectoryW(WidenCp949(folder).c_str());
}

TEST_F(SkinWindowTest, ButtonsFollowTheMouseAndRunTheirCommandsOnceEveryStateIsShown) {
  WindowPtr<SkinWindow> window = MakeWindow(WriteButtonsSkin(files_));
  ASSERT_EQ(window->loadedSkin(), Temp() + "buttons.ski");
  ASSERT_EQ(window->size().width, 120);
  ASSERT_TRUE(ShowFully(*window));
  const HWND hwnd = window->hwnd();
  const RECT place = Place(*window);
  const auto hit = [&](POINT client) {
    return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(place.left + client.x, place.top + client.y));
  };
  EXPECT_EQ(hit(kDestroy.Centre()), HTCLIENT);
  EXPECT_EQ(hit(kHide.Centre()), HTCLIENT);
  EXPECT_EQ(hit(kBackground), HTCAPTION);
  using States = std::vector<int>;
  EXPECT_EQ(ShownStates(*window), (States{1, 1}));

  // No pumping between the steps: a mouse-leave from the real cursor would reset the states.
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(kHide.Centre()));
  EXPECT_EQ(ShownStates(*window), (States{1, 2}));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(kDestroy.Centre()));
  EXPECT_EQ(ShownStates(*window), (States{2, 1})) << "straight from one button onto the other";
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(kHide.Centre()));

  std::vector<States> atDestroy;
  host_.onDestroy = [&](SkinWindow& widget) {
    EXPECT_EQ(&widget, window.get());
    atDestroy.push_back(ShownStates(widget));
  };
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(kDestroy.Centre()));
  EXPECT_EQ(GetCapture(), hwnd);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(kDestroy.Centre()));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(ShownStates(*window), (States{2, 1}));
  EXPECT_EQ(atDestroy, (std::vector<States>{{0, 1}})) << "once, with the hide button already back to normal";

  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(kHide.Centre()));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(kHide.Centre()));
  for (int i = 0; i < 100 && IsWindowVisible(hwnd); ++i) Pump(20);
  EXPECT_FALSE(IsWindowVisible(hwnd)) << "the hide button fades the window out";
  EXPECT_EQ(host_.destroyed, 1);
  EXPECT_TRUE(host_.setup.empty());

  window.reset();
  RemoveButtonsSkin(files_);
}

// On a screen of twice the DPI the skin, drawn at 96, shows at twice its size with its colours
// kept, and the mouse finds its buttons where they are now drawn.
TEST_F(SkinWindowTest, OnAScreenOfTwiceTheDpiTheSkinDoublesAndItsButtonsMoveWithIt) {
  WindowPtr<SkinWindow> window = MakeWindow(WriteButtonsSkin(files_));
  ASSERT_TRUE(ShowFully(*window));
  const HWND hwnd = window->hwnd();
  RECT suggested = Place(*window);
  suggested.right = suggested.left + 240;
  suggested.bottom = suggested.top + 100;
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  const RECT place = Place(*window);
  ASSERT_EQ(place.right - place.left, 240);
  ASSERT_EQ(place.bottom - place.top, 100);
  EXPECT_EQ(window->size(), (Size{240, 100}));
  const auto hit = [&](int x, int y) { return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(place.left + x, place.top + y)); };
  EXPECT_EQ(hit(45, 50), HTCLIENT) << "inside the destroy button only when it is doubled";
  EXPECT_EQ(hit(2 * kBackground.x, 2 * kBackground.y), HTCAPTION);

  ScreenArea screen(place.left, place.top, 240, 100);
  screen.Keep("buttons-at-192-dpi");
  EXPECT_TRUE(Near(screen.At(2 * kDestroy.Centre().x, 2 * kDestroy.Centre().y), kFrames[1] & 0xFFFFFF));
  EXPECT_TRUE(Near(screen.At(235, 95), 0x808080)) << "the background reaches the doubled corner";

  suggested.right = suggested.left + 120;
  suggested.bottom = suggested.top + 50;
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window->size(), (Size{120, 50}));
  window.reset();
  RemoveButtonsSkin(files_);
}

}  // namespace
}  // namespace quillet::win
