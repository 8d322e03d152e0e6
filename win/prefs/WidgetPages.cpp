#include "prefs/WidgetPages.h"

#include <commctrl.h>

#include <cstdio>

#include "controls/FileBoxes.h"
#include "framework/ProgramMessageBox.h"
#include "platform/Wide.h"
#include "resources/PreferenceResources.h"
#include "schedule/AnniversaryEditorDialog.h"
#include "settings/PreferenceRules.h"
#include "settings/SettingsStore.h"
#include "storage/Paths.h"
#include "widgets/CalendarWindow.h"
#include "widgets/ClockWindow.h"

namespace quillet::win {

namespace {

std::vector<std::string> MinuteItems() {
  std::vector<std::string> items{"Off"};
  for (int minute = 1; minute <= 59; ++minute) items.push_back(std::to_string(minute));
  return items;
}

constexpr int kRadioCount = 3;
constexpr const char* kAnniversaryGoneMessage = "수정하던 기념일이 그 사이에 삭제되었습니다.";

}  // namespace

// --- both pages --------------------------------------------------------------------------------

void WidgetPage::FillSkins(const std::string& skinRoot, const std::string& chosen) {
  const SettingsEnvironment& where = services().settings.Environment();
  skins_ = ListSkins(services().files, skinRoot, EditedSkinRoot(skinRoot, where.programFolder, where.UserFilesFolder()));
  std::vector<std::string> items{"Default"};
  int selected = 0;
  for (std::size_t i = 0; i < skins_.size(); ++i) {
    items.push_back(skins_[i].menuText);
    if (!chosen.empty() && PathKey(skins_[i].path) == PathKey(chosen)) selected = static_cast<int>(i) + 1;
  }
  FillCombo(IDC_WIDGET_SKIN, items);
  SelectItem(IDC_WIDGET_SKIN, selected);
}

std::string WidgetPage::ChosenSkin() const {
  const int index = SelectedItem(IDC_WIDGET_SKIN) - 1;
  if (index < 0 || index >= static_cast<int>(skins_.size())) return {};
  return skins_[static_cast<std::size_t>(index)].path;
}

bool WidgetPage::OnMessage(const Message& message, LRESULT& result) {
  if (message.id != WM_HSCROLL || reinterpret_cast<HWND>(message.lParam) != Item(sliderId_)) return false;
  ShowSliderLabel(sliderId_, labelId_);
  OnAlpha(SliderValue(sliderId_));
  result = 0;
  return true;
}

// --- the clock ---------------------------------------------------------------------------------

ClockPage::ClockPage(const PreferencesServices& services) : WidgetPage(IDD_PREFS_CLOCK, services) {
  sliderId_ = IDC_CLOCK_ALPHA;
  labelId_ = IDC_CLOCK_ALPHA_LABEL;
}

bool ClockPage::OnInit() {
  const Settings& all = values();
  const ClockSettings& clock = all.clock;
  CheckRadioButton(hwnd(), IDC_CLOCK_ALWAYS, IDC_CLOCK_AT_TIMES, IDC_CLOCK_ALWAYS + ChoiceIndexOf(clock.viewMode, kRadioCount));
  Check(IDC_WIDGET_HIDING, clock.mouseOverHiding);
  Check(IDC_AT_HOUR, IsMinuteOn(clock.specialTime0));
  Check(IDC_AT_HALF_HOUR, IsMinuteOn(clock.specialTime30));
  const std::vector<std::string> minutes = MinuteItems();
  for (std::size_t i = 0; i < clock.specialTimes.size(); ++i) {
    const int combo = IDC_USER_MINUTE_FIRST + static_cast<int>(i);
    FillCombo(combo, minutes);
    SelectItem(combo, MinuteIndexOf(clock.specialTimes[i]));
  }
  FillGrid(IDC_SECONDS_BEFORE, kSecondsAroundGrid, clock.viewingBeforeTime, "초");
  FillGrid(IDC_SECONDS_AFTER, kSecondsAroundGrid, clock.viewingAfterTime, "초");
  FillGrid(IDC_CLOCK_SHOWN_SECONDS, kClockShownSecondsGrid, all.general.hotKeyClockViewTime, "초");
  FillCombo(IDC_CLOCK_Z_POSITION, {"보통 위치", "항상 위에", "바탕화면에 붙이기"});
  SelectItem(IDC_CLOCK_Z_POSITION, ChoiceIndexOf(clock.zPosition, kRadioCount));
  Check(IDC_CLOCK_START_VIEW, clock.startView);
  SetupSlider(IDC_CLOCK_ALPHA, clock.transVal, IDC_CLOCK_ALPHA_LABEL);
  SetText(IDC_CLOCK_SOUND, clock.specialAlarm);
  FillSkins(all.clockSkinFolder, clock.skinFile);
  BindHotkeys({{IDC_KEY_CLOCK, 14}});
  return false;
}

void ClockPage::Apply() {
  ClockSettings& clock = values().clock;
  for (int mode = 0; mode < kRadioCount; ++mode) {
    if (Checked(IDC_CLOCK_ALWAYS + mode)) clock.viewMode = ChoiceAt<ClockViewMode>(mode);
  }
  clock.mouseOverHiding = Checked(IDC_WIDGET_HIDING);
  clock.specialTime0 = Checked(IDC_AT_HOUR) ? ClockPageDefaults::kSpecialTime0 : kMinuteOff;
  clock.specialTime30 = Checked(IDC_AT_HALF_HOUR) ? ClockPageDefaults::kSpecialTime30 : kMinuteOff;
  for (std::size_t i = 0; i < clock.specialTimes.size(); ++i) {
    if (const std::optional<int> minute = MinuteAt(SelectedItem(IDC_USER_MINUTE_FIRST + static_cast<int>(i)))) {
      clock.specialTimes[i] = *minute;
    }
  }
  StoreGrid(IDC_SECONDS_BEFORE, kSecondsAroundGrid, clock.viewingBeforeTime);
  StoreGrid(IDC_SECONDS_AFTER, kSecondsAroundGrid, clock.viewingAfterTime);
  StoreGrid(IDC_CLOCK_SHOWN_SECONDS, kClockShownSecondsGrid, values().general.hotKeyClockViewTime);
  if (SelectedItem(IDC_CLOCK_Z_POSITION) >= 0) {
    clock.zPosition = ChoiceAt<ZPosition>(SelectedItem(IDC_CLOCK_Z_POSITION));
  }
  clock.startView = Checked(IDC_CLOCK_START_VIEW);
  clock.transVal = SliderValue(IDC_CLOCK_ALPHA);
  clock.specialAlarm = Text(IDC_CLOCK_SOUND);
  clock.skinFile = ChosenSkin();
  services().host.ApplyClockSettings();
}

void ClockPage::Reset() {
  using D = ClockPageDefaults;
  CheckRadioButton(hwnd(), IDC_CLOCK_ALWAYS, IDC_CLOCK_AT_TIMES, IDC_CLOCK_ALWAYS + ChoiceIndexOf(D::kViewMode, kRadioCount));
  Check(IDC_WIDGET_HIDING, D::kMouseOverHiding);
  Check(IDC_AT_HOUR, IsMinuteOn(D::kSpecialTime0));
  Check(IDC_AT_HALF_HOUR, IsMinuteOn(D::kSpecialTime30));
  for (int i = 0; i < 3; ++i) SelectItem(IDC_USER_MINUTE_FIRST + i, MinuteIndexOf(D::kUserMinute));
  SelectItem(IDC_SECONDS_BEFORE, GridIndexOf(kSecondsAroundGrid, D::kViewingBeforeTime));
  SelectItem(IDC_SECONDS_AFTER, GridIndexOf(kSecondsAroundGrid, D::kViewingAfterTime));
  SelectItem(IDC_CLOCK_SHOWN_SECONDS, GridIndexOf(kClockShownSecondsGrid, D::kHotKeyClockViewTime));
  SelectItem(IDC_CLOCK_Z_POSITION, ChoiceIndexOf(D::kZPosition, kRadioCount));
  Check(IDC_CLOCK_START_VIEW, D::kStartView);
  SetupSlider(IDC_CLOCK_ALPHA, D::kTransVal, IDC_CLOCK_ALPHA_LABEL);
  OnAlpha(D::kTransVal);
  SetText(IDC_CLOCK_SOUND, "");
}

void ClockPage::OnAlpha(int value) {
  values().clock.transVal = value;
  if (ClockWindow* clock = services().host.ClockWidget()) clock->SetTransparency(static_cast<BYTE>(value));
}

void ClockPage::ChooseSound() {
  FileBoxRequest request;
  request.filterName = "Wave Files(*.wav) ";
  request.pattern = L"*.wav";
  request.start = Text(IDC_CLOCK_SOUND);
  if (const std::optional<std::string> path = AskOpenPath(hwnd(), request)) SetText(IDC_CLOCK_SOUND, *path);
}

void ClockPage::OnCommand(UINT id, UINT notification) {
  if (notification == BN_CLICKED && id == IDC_CLOCK_SOUND_BROWSE) return ChooseSound();
  if (notification == BN_CLICKED && id == IDC_CLOCK_SOUND_PLAY) {
    const std::string sound = Text(IDC_CLOCK_SOUND);
    if (!sound.empty()) PlaySoundW(WidenCp949(sound).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    return;
  }
  WidgetPage::OnCommand(id, notification);
}

// --- the calendar ------------------------------------------------------------------------------

CalendarPage::CalendarPage(const PreferencesServices& services) : WidgetPage(IDD_PREFS_CALENDAR, services) {
  sliderId_ = IDC_CALENDAR_ALPHA;
  labelId_ = IDC_CALENDAR_ALPHA_LABEL;
}

bool CalendarPage::OnInit() {
  const Settings& all = values();
  const CalendarSettings& calendar = all.calendar;
  Check(IDC_WIDGET_HIDING, calendar.mouseOverHiding);
  Check(IDC_CALENDAR_AUTOSTART, calendar.autoStart);
  CheckRadioButton(hwnd(), IDC_CALENDAR_NORMAL, IDC_CALENDAR_DESKTOP,
                   IDC_CALENDAR_NORMAL + ChoiceIndexOf(calendar.position160, kRadioCount));
  FillCombo(IDC_CALENDAR_TIPS, {"정보 안보기", "필요할 때만 보기", "항상 보기"});
  SelectItem(IDC_CALENDAR_TIPS, ChoiceIndexOf(calendar.showToolTip, 3));
  Check(IDC_ANNIVERSARY_ALARM, calendar.memorialDayCheck);
  FillCombo(IDC_ANNIVERSARY_ALARM_TYPE, {"슬라이드로 알림", "팝업으로 알림", "팝업 후 자동 닫기", "포스트잇으로 알림"});
  SelectItem(IDC_ANNIVERSARY_ALARM_TYPE, ChoiceIndexOf(calendar.alarmType, 4));
  Enable(IDC_ANNIVERSARY_ALARM_TYPE, calendar.memorialDayCheck);
  FillCombo(IDC_SCHEDULE_VIEW_MODE, {"안보기", "항상 보기", "필요할때 보기"});
  SelectItem(IDC_SCHEDULE_VIEW_MODE, ChoiceIndexOf(all.schedule.startMode, 3));
  SetupSlider(IDC_CALENDAR_ALPHA, calendar.transVal, IDC_CALENDAR_ALPHA_LABEL);
  FillSkins(all.calendarSkinFolder, calendar.skinFile);
  BindHotkeys({{IDC_KEY_CALENDAR, 15}, {IDC_KEY_SCHEDULE_VIEW, 17}});

  const HWND list = Item(IDC_ANNIVERSARY_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  RECT area{};
  GetClientRect(list, &area);
  const int dateWidth = (area.right - area.left) * 2 / 5;
  const wchar_t* headers[] = {L"날짜", L"이름"};
  const int widths[] = {dateWidth, area.right - area.left - dateWidth - GetSystemMetrics(SM_CXVSCROLL)};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(headers[i]);
    column.cx = widths[i];
    ListView_InsertColumn(list, i, &column);
  }
  FillAnniversaries();
  return false;
}

void CalendarPage::FillAnniversaries() {
  const HWND list = Item(IDC_ANNIVERSARY_LIST);
  ListView_DeleteAllItems(list);
  const CalendarWindow* calendar = services().host.CalendarWidget();
  const bool editable = calendar != nullptr;
  for (int id : {IDC_ANNIVERSARY_ADD, IDC_ANNIVERSARY_EDIT, IDC_ANNIVERSARY_DELETE}) Enable(id, editable);
  if (!calendar) return;
  int row = 0;
  for (const DayInfoRecord& entry : calendar->anniversaries().entries()) {
    char date[48];
    std::snprintf(date, sizeof date, "%s%d월 %d일", entry.lunar ? "(음) " : "", entry.month, entry.day);
    const std::wstring dateText = WidenCp949(date);
    const std::wstring name = WidenCp949(entry.name);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row++;
    item.pszText = const_cast<wchar_t*>(dateText.c_str());
    item.lParam = entry.identifier;
    const int index = ListView_InsertItem(list, &item);
    ListView_SetItemText(list, index, 1, const_cast<wchar_t*>(name.c_str()));
  }
}

int CalendarPage::SelectedAnniversary() const {
  const HWND list = Item(IDC_ANNIVERSARY_LIST);
  const int index = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (index < 0) return -1;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!ListView_GetItem(list, &item)) return -1;
  return static_cast<int>(item.lParam);
}

// The editor and the question run loops in which the calendar may close, or a day dialog of it
// change its list: both are found again afterwards.
void CalendarPage::AddAnniversary() {
  if (!services().host.CalendarWidget()) return;
  const std::optional<DayInfoRecord> entry = win::EditAnniversary(hwnd(), values().calendar, services().clock, nullptr);
  CalendarWindow* calendar = services().host.CalendarWidget();
  if (!entry || !calendar || !calendar->anniversaries().Add(hwnd(), *entry)) return;
  services().host.AnniversariesChanged();
  FillAnniversaries();
}

void CalendarPage::EditAnniversary() {
  CalendarWindow* calendar = services().host.CalendarWidget();
  const int identifier = SelectedAnniversary();
  if (!calendar || identifier < 0) return;
  const DayInfoRecord* edited = calendar->anniversaries().Find(identifier);
  if (!edited) return;
  const std::optional<DayInfoRecord> entry =
      win::EditAnniversary(hwnd(), values().calendar, services().clock, edited);
  if (!entry) return;
  calendar = services().host.CalendarWidget();
  if (!calendar || !calendar->anniversaries().Find(identifier)) {
    ShowProgramMessage(hwnd(), kAnniversaryGoneMessage);
    FillAnniversaries();
    return;
  }
  if (!calendar->anniversaries().Replace(hwnd(), identifier, *entry)) return;
  services().host.AnniversariesChanged();
  FillAnniversaries();
}

void CalendarPage::DeleteAnniversary() {
  CalendarWindow* calendar = services().host.CalendarWidget();
  const int identifier = SelectedAnniversary();
  if (!calendar || identifier < 0) return;
  if (ShowProgramMessage(hwnd(), "선택된 기념일을 삭제합니까?", MessageKind::Question) != IDYES) return;
  calendar = services().host.CalendarWidget();
  if (!calendar || !calendar->anniversaries().Remove(hwnd(), identifier)) return;
  services().host.AnniversariesChanged();
  FillAnniversaries();
}

void CalendarPage::Apply() {
  Settings& all = values();
  CalendarSettings& calendar = all.calendar;
  calendar.mouseOverHiding = Checked(IDC_WIDGET_HIDING);
  calendar.autoStart = Checked(IDC_CALENDAR_AUTOSTART);
  for (int position = 0; position < kRadioCount; ++position) {
    if (Checked(IDC_CALENDAR_NORMAL + position)) calendar.position160 = ChoiceAt<ZPosition>(position);
  }
  if (SelectedItem(IDC_CALENDAR_TIPS) >= 0) calendar.showToolTip = ChoiceAt<DayTips>(SelectedItem(IDC_CALENDAR_TIPS));
  calendar.memorialDayCheck = Checked(IDC_ANNIVERSARY_ALARM);
  if (SelectedItem(IDC_ANNIVERSARY_ALARM_TYPE) >= 0) calendar.alarmType = SelectedItem(IDC_ANNIVERSARY_ALARM_TYPE);
  if (SelectedItem(IDC_SCHEDULE_VIEW_MODE) >= 0) {
    all.schedule.startMode = ChoiceAt<WidgetStartMode>(SelectedItem(IDC_SCHEDULE_VIEW_MODE));
  }
  calendar.transVal = SliderValue(IDC_CALENDAR_ALPHA);
  calendar.skinFile = ChosenSkin();
  services().host.ApplyCalendarSettings();
}

void CalendarPage::Reset() {
  using D = CalendarPageDefaults;
  Check(IDC_WIDGET_HIDING, D::kMouseOverHiding);
  Check(IDC_CALENDAR_AUTOSTART, D::kAutoStart);
  CheckRadioButton(hwnd(), IDC_CALENDAR_NORMAL, IDC_CALENDAR_DESKTOP, IDC_CALENDAR_NORMAL + ChoiceIndexOf(D::kPosition160, kRadioCount));
  SelectItem(IDC_CALENDAR_TIPS, ChoiceIndexOf(D::kShowToolTip, 3));
  Check(IDC_ANNIVERSARY_ALARM, D::kMemorialDayCheck);
  Enable(IDC_ANNIVERSARY_ALARM_TYPE, D::kMemorialDayCheck);
  SelectItem(IDC_ANNIVERSARY_ALARM_TYPE, D::kAlarmType);
  SelectItem(IDC_SCHEDULE_VIEW_MODE, ChoiceIndexOf(D::kScheduleStartMode, 3));
  SetupSlider(IDC_CALENDAR_ALPHA, D::kTransVal, IDC_CALENDAR_ALPHA_LABEL);
  OnAlpha(D::kTransVal);
}

void CalendarPage::OnAlpha(int value) {
  values().calendar.transVal = value;
  if (CalendarWindow* calendar = services().host.CalendarWidget()) calendar->SetTransparency(static_cast<BYTE>(value));
}

void CalendarPage::OnCommand(UINT id, UINT notification) {
  if (notification == BN_CLICKED) {
    switch (id) {
      case IDC_ANNIVERSARY_ALARM:
        return Enable(IDC_ANNIVERSARY_ALARM_TYPE, Checked(IDC_ANNIVERSARY_ALARM));
      case IDC_ANNIVERSARY_ADD:
        return AddAnniversary();
      case IDC_ANNIVERSARY_EDIT:
        return EditAnniversary();
      case IDC_ANNIVERSARY_DELETE:
        return DeleteAnniversary();
      default:
        break;
    }
  }
  WidgetPage::OnCommand(id, notification);
}

}  // namespace quillet::win
