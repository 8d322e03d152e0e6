#include <gtest/gtest.h>

#include <vector>

#include "DialogScript.h"
#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "platform/Wide.h"
#include "resources/ScheduleResources.h"
#include "schedule/DaySchedulePage.h"
#include "schedule/ScheduleList.h"
#include "settings/SettingsStore.h"

namespace quillet::win {
namespace {

using testing::DialogScript;
using testing::Press;

// The page as the day dialog will host it, storing into a list: a refusal stores nothing, an
// all-day schedule added for today stays armed until midnight, an edit replaces its record, and an
// edit whose record went meanwhile is dropped.
TEST(DaySchedulePage, AddsAndEditsOneDaysDatedSchedules) {
  quillet::testing::MemoryFileSystem files;
  quillet::testing::MemorySettingsBackend registry;
  const quillet::testing::FixedClock clock;  // 09:30 on 8 December 2026
  SettingsStore settings(files, registry, clock, SettingsEnvironment{"C:\\Quillet\\", "", 1},
                         [](const std::string&) {});
  settings.LoadAll();
  ScheduleList list;
  int storedCount = 0;
  bool gone = false;
  const DaySchedulePage::Services services{
      {GetModuleHandleW(nullptr), settings, files, clock, [](const std::string&) { return nullptr; }},
      [&](int recordId) { return list.Find(recordId); },
      [&](ScheduleRecord record) { list.Append(std::move(record)); },
      [&](int recordId, ScheduleRecord record) { return !gone && list.Replace(recordId, std::move(record)); },
      [&] { ++storedCount; }};
  const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 420, 330, nullptr, nullptr,
                                    nullptr, nullptr);
  WindowPtr<DaySchedulePage> page = DaySchedulePage::Make(host, services);
  ASSERT_TRUE(page);
  const CivilDate today{2026, 12, 8};
  const auto setMessage = [&](const wchar_t* text) { SetDlgItemTextW(page->hwnd(), IDC_MESSAGE, text); };
  const auto pressOk = [&] { SendMessageW(page->hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };

  page->Begin(today);
  EXPECT_EQ(testing::ItemText(page->hwnd(), IDOK), L"추가");
  EXPECT_EQ(testing::ItemText(page->hwnd(), IDC_TIME_BUTTON), L"09시 30분");
  {
    DialogScript script({{L"Quillet", [](HWND box) {
                            EXPECT_EQ(testing::ItemText(box, 3012), L"내용이 없습니다");
                            Press(box, IDOK);
                          }}});
    pressOk();
    EXPECT_TRUE(script.Done());
  }
  EXPECT_TRUE(list.empty());

  setMessage(L"종일 일정");
  CheckRadioButton(page->hwnd(), IDC_TIME_MODE_FIRST, IDC_TIME_MODE_LAST, IDC_TIME_MODE_LAST);
  SendDlgItemMessageW(page->hwnd(), IDC_ALERT_STYLE, CB_SETCURSEL, 2, 0);
  pressOk();
  ASSERT_EQ(list.size(), 1u);
  const ScheduleRecord& added = list.records()[0];
  EXPECT_EQ(added.recurrence, Recurrence::OnDate);
  EXPECT_EQ(added.enabled, 1);
  EXPECT_EQ(added.hour, 0);
  EXPECT_EQ(added.alertStyle, AlertStyle::Popup);
  EXPECT_EQ(WidenCp949(added.message), L"종일 일정");
  EXPECT_EQ(settings.values().alarm.alarmType, 1);

  page->Begin(today, added.recordId);
  EXPECT_EQ(testing::ItemText(page->hwnd(), IDOK), L"수정");
  setMessage(L"바뀐 일정");
  pressOk();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(WidenCp949(list.records()[0].message), L"바뀐 일정");

  page->Begin(today, list.records()[0].recordId);
  gone = true;
  setMessage(L"사라진 일정");
  pressOk();
  EXPECT_EQ(WidenCp949(list.records()[0].message), L"바뀐 일정");
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(storedCount, 3);
  page.reset();
  DestroyWindow(host);
}

}  // namespace
}  // namespace quillet::win
