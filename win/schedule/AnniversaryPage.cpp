#include "schedule/AnniversaryPage.h"

#include "lunar/LunarCalendar.h"
#include "platform/Wide.h"
#include "resources/CalendarResources.h"
#include "settings/SettingsStore.h"
#include "widgets/AnniversaryList.h"

namespace quillet::win {

namespace {

// The date's lunar date at hour 0, or nothing outside the lunar table.
std::optional<LunarDate> LunarOf(const CivilDate& date) {
  LunarDate lunar;
  if (!SolarToLunar(date.year, date.month, date.day, 0, lunar) || !lunar.valid) return std::nullopt;
  return lunar;
}

}  // namespace

// Fills the category combo with "표시없음" and the eleven category names.
void FillCategoryCombo(HWND combo, const CalendarSettings& calendar) {
  AddComboItems(combo, {"표시없음"});
  for (const std::string& name : calendar.specialDays) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WidenCp949(name).c_str()));
  }
}

AnniversaryPage::AnniversaryPage(const DayDialogServices& services, const CivilDate& date,
                                 std::function<void()> stored)
    : Dialog(IDD_ANNIVERSARY_PAGE), services_(services), date_(date), stored_(std::move(stored)) {}

WindowPtr<AnniversaryPage> AnniversaryPage::Make(HWND host, const DayDialogServices& services, const CivilDate& date,
                                                 std::function<void()> stored) {
  WindowPtr<AnniversaryPage> page(new AnniversaryPage(services, date, std::move(stored)));
  if (!page->CreateModeless(Modeless{host, false, false})) return nullptr;
  return page;
}

bool AnniversaryPage::OnInit() {
  FillCategoryCombo(Item(IDC_ANNIVERSARY_CATEGORY), services_.dialogs.settings.values().calendar);
  EnableWindow(Item(IDC_ANNIVERSARY_LUNAR), LunarOf(date_).has_value());
  return false;
}

void AnniversaryPage::Begin(int identifier) {
  const DayInfoRecord* entry =
      identifier >= 0 && services_.anniversaries ? services_.anniversaries->Find(identifier) : nullptr;
  identifier_ = entry ? identifier : -1;
  SetControlText(Item(IDC_ANNIVERSARY_NAME), entry ? entry->name : std::string());
  // "일반" the first time the page shows, "표시없음" for every new entry after.
  const int category = entry ? entry->image : firstEntry_ ? 1 : 0;
  firstEntry_ = false;
  SendMessageW(Item(IDC_ANNIVERSARY_CATEGORY), CB_SETCURSEL, static_cast<WPARAM>(category), 0);
  CheckDlgButton(hwnd(), IDC_ANNIVERSARY_HOLIDAY, entry && entry->holiday ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd(), IDC_ANNIVERSARY_LUNAR, entry && entry->lunar ? BST_CHECKED : BST_UNCHECKED);
  SetControlText(Item(IDOK), entry ? "수정" : "추가");
}

void AnniversaryPage::OnOK() {
  if (!services_.anniversaries) return;
  DayInfoRecord entry;
  entry.holiday = IsDlgButtonChecked(hwnd(), IDC_ANNIVERSARY_HOLIDAY) == BST_CHECKED;
  const std::optional<LunarDate> lunar = LunarOf(date_);
  entry.lunar = lunar && IsDlgButtonChecked(hwnd(), IDC_ANNIVERSARY_LUNAR) == BST_CHECKED;
  entry.month = entry.lunar ? lunar->month : date_.month;
  entry.day = entry.lunar ? lunar->day : date_.day;
  entry.leap = entry.lunar && lunar->leap;
  entry.name = ControlText(Item(IDC_ANNIVERSARY_NAME));
  const auto category = static_cast<int>(SendMessageW(Item(IDC_ANNIVERSARY_CATEGORY), CB_GETCURSEL, 0, 0));
  entry.image = category == CB_ERR ? 0 : category;
  if (identifier_ >= 0 && !services_.anniversaries->Find(identifier_)) {
    Begin(-1);  // another window deleted it meanwhile: nothing to change
    stored_();
    return;
  }
  const bool changed = identifier_ >= 0 ? services_.anniversaries->Replace(hwnd(), identifier_, std::move(entry))
                                        : services_.anniversaries->Add(hwnd(), std::move(entry));
  if (!changed) return;  // refused: the page keeps the input
  services_.anniversariesChanged();
  Begin(-1);
  stored_();
}

}  // namespace quillet::win
