#include <gtest/gtest.h>

#include <optional>

#include "DialogScript.h"
#include "Fakes.h"
#include "platform/Wide.h"
#include "resources/CalendarResources.h"
#include "schedule/AnniversaryEditorDialog.h"
#include "settings/Settings.h"

namespace quillet::win {
namespace {

using testing::DialogScript;
using testing::Press;

// The editor keeps the dialog open on a refusal, reads the day and month as their absolute
// values within range, and keeps the identifier of the entry it opened, whatever becomes of the
// list entry meanwhile.
TEST(AnniversaryEditor, RefusesAnEmptyNameAndReadsTheFieldsOnOk) {
  CalendarSettings calendar;
  const quillet::testing::FixedClock clock;  // 8 December 2026
  DayInfoRecord edited{5, 5, 3, "어린이날", false, true, false, 42};
  const auto set = [](HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); };
  std::wstring refusal;
  DialogScript script({{L"기념일",
                        [&](HWND dialog) {
                          EXPECT_EQ(testing::ItemText(dialog, IDOK), L"수정");
                          EXPECT_EQ(testing::ItemText(dialog, IDC_ANNIVERSARY_MONTH), L"5");
                          edited = DayInfoRecord{};  // a day dialog changed the list under it
                          set(dialog, IDC_ANNIVERSARY_NAME, L"");
                          Press(dialog, IDOK);
                        }},
                       {L"Quillet",
                        [&](HWND box) {
                          refusal = testing::ItemText(box, 3012);
                          Press(box, IDOK);
                        }},
                       {L"기념일", [&](HWND dialog) {
                          set(dialog, IDC_ANNIVERSARY_NAME, L"기념일");
                          set(dialog, IDC_ANNIVERSARY_MONTH, L"13");
                          set(dialog, IDC_ANNIVERSARY_DAY, L"-45");
                          SendDlgItemMessageW(dialog, IDC_ANNIVERSARY_CALENDAR, CB_SETCURSEL, 1, 0);
                          Press(dialog, IDOK);
                        }}});
  const std::optional<DayInfoRecord> entry = EditAnniversary(nullptr, calendar, clock, &edited);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(refusal, L"정보가 없습니다");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->month, 12);
  EXPECT_EQ(entry->day, 31);
  EXPECT_TRUE(entry->lunar);
  EXPECT_TRUE(entry->holiday);
  EXPECT_EQ(entry->identifier, 42);
  EXPECT_EQ(WidenCp949(entry->name), L"기념일");
}

}  // namespace
}  // namespace quillet::win
