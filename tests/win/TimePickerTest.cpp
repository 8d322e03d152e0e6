#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

#include "DialogScript.h"
#include "Fakes.h"
#include "resources/ScheduleResources.h"
#include "schedule/TimePickerDialog.h"

namespace quillet::win {
namespace {

using testing::DialogScript;
using testing::Press;

TEST(TimePicker, AnswersTheChosenTimeTheClocksOrNothingAndStaysInTheWorkArea) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const quillet::testing::FixedClock clock(LocalTime{2026, 3, 4, 21, 47, 10, 0, 3});
  const struct {
    bool inCorner;
    POINT owner;
    int hour, minute;
    std::function<void(HWND)> act;
    std::optional<std::pair<int, int>> answer;
  } cases[] = {
      // In the bottom-right corner the picker moves up and left, no further than it must.
      {true, {area.right - 100, area.bottom - 30}, 7, 0,
       [](HWND picker) {
         Press(picker, IDC_HOUR_FIRST + 23);
         Press(picker, IDC_MINUTE_FIRST + 5);
         Press(picker, IDOK);
       },
       std::pair{23, 5}},
      // Times out of range are brought into it.
      {false, {area.left + 10, area.top + 10}, -1, 99, [](HWND picker) { Press(picker, IDOK); }, std::pair{0, 59}},
      {false, {area.left + 10, area.top + 10}, 9, 30, [](HWND picker) { Press(picker, IDC_PICK_NOW); },
       std::pair{21, 47}},
      {false, {area.left + 10, area.top + 10}, 9, 30, [](HWND picker) { Press(picker, IDCANCEL); }, std::nullopt},
  };
  for (const auto& c : cases) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, c.owner.x, c.owner.y, 100, 30,
                                       nullptr, nullptr, nullptr, nullptr);
    const HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, owner, nullptr,
                                        nullptr, nullptr);
    RECT placed{};
    DialogScript script({{L"시간 설정", [&](HWND picker) {
                            GetWindowRect(picker, &placed);
                            c.act(picker);
                          }}});
    const std::optional<PickedTime> picked = PickTime(owner, button, c.hour, c.minute, clock);
    EXPECT_TRUE(script.Done());
    std::optional<std::pair<int, int>> answer;
    if (picked) answer = std::pair(picked->hour, picked->minute);
    EXPECT_EQ(answer, c.answer);
    // Elsewhere its top-left is the time button's bottom-left.
    EXPECT_EQ(placed.left, c.inCorner ? area.right - (placed.right - placed.left) : c.owner.x);
    EXPECT_EQ(placed.top, c.inCorner ? area.bottom - (placed.bottom - placed.top) : c.owner.y + 20);
    DestroyWindow(owner);
  }
}

}  // namespace
}  // namespace quillet::win
