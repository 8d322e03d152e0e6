#include "prefs/PreferencesPage.h"

#include <commctrl.h>

#include "framework/ProgramMessageBox.h"
#include "platform/Wide.h"
#include "settings/PreferenceRules.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

constexpr const char* kHotkeyTakenMessage = "이미 사용 중인 단축키입니다.";

}  // namespace

bool PreferencesPage::Make(HWND host, const RECT& area) {
  if (!CreateModeless(Modeless{host, false, false})) return false;
  SetWindowPos(hwnd(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void PreferencesPage::OnOK() { SendMessageW(GetParent(hwnd()), WM_COMMAND, IDOK, 0); }

void PreferencesPage::OnCancel() { SendMessageW(GetParent(hwnd()), WM_COMMAND, IDCANCEL, 0); }

Settings& PreferencesPage::values() const { return services_.settings.values(); }

void PreferencesPage::BindHotkeys(std::initializer_list<std::pair<int, int>> controlsAndIds) {
  for (const auto& [control, id] : controlsAndIds) {
    auto button = std::make_unique<HotkeyButton>();
    if (!button->Take(Item(control), values().hotkeys[id])) continue;
    HotkeyButton* raw = button.get();
    const int hotkey = id;
    button->onChosen = [this, raw, hotkey](const HotkeyEntry& chosen) { ChangeHotkey(*raw, hotkey, chosen); };
    hotkeys_.push_back({std::move(button), id});
  }
}

void PreferencesPage::RefreshHotkeys() {
  for (BoundHotkey& bound : hotkeys_) bound.button->SetEntry(values().hotkeys[bound.id]);
}

// A combination another entry has, or that Windows gives to someone else, is refused and the
// entry keeps its keys.
void PreferencesPage::ChangeHotkey(HotkeyButton& button, int id, const HotkeyEntry& chosen) {
  HotkeyTable& table = values().hotkeys;
  const HotkeyEntry previous = table[id];
  HotkeyEntry entry = chosen;
  entry.id = id;
  const bool switchedOn = entry.virtualKey >= 0;
  if (switchedOn && ConflictingHotkey(table, id, entry)) {
    ShowProgramMessage(hwnd(), kHotkeyTakenMessage);
    button.SetEntry(previous);
    return;
  }
  const auto store = [&](const HotkeyEntry& value) {
    table[id] = value;
    services_.settings.Active().WriteString("HotKey", HotkeySettingKey(id), FormatHotkey(value));
  };
  store(entry);
  if (services_.host.ReregisterHotkey(id)) {
    button.SetEntry(entry);
    return;
  }
  ShowProgramMessage(hwnd(), kHotkeyTakenMessage);
  store(previous);
  services_.host.ReregisterHotkey(id);
  button.SetEntry(previous);
}

bool PreferencesPage::Checked(int control) const {
  return SendMessageW(Item(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void PreferencesPage::Check(int control, bool checked) const {
  SendMessageW(Item(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void PreferencesPage::Enable(int control, bool enabled) const { EnableWindow(Item(control), enabled); }

void PreferencesPage::FillCombo(int control, std::initializer_list<const char*> items) const {
  FillCombo(control, std::vector<std::string>(items.begin(), items.end()));
}

void PreferencesPage::FillCombo(int control, const std::vector<std::string>& items) const {
  const HWND combo = Item(control);
  SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WidenCp949(item).c_str()));
  }
  SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
}

void PreferencesPage::SelectItem(int control, int index) const {
  SendMessageW(Item(control), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void PreferencesPage::FillGrid(int control, const ValueGrid& grid, int value, const char* unit) const {
  std::vector<std::string> items;
  for (int i = 0; i < grid.count; ++i) items.push_back(std::to_string(grid.first + grid.step * i) + unit);
  FillCombo(control, items);
  SelectItem(control, GridIndexOf(grid, value));
}

void PreferencesPage::StoreGrid(int control, const ValueGrid& grid, int& value) const {
  if (const std::optional<int> chosen = GridValueAt(grid, SelectedItem(control))) value = *chosen;
}

int PreferencesPage::SelectedItem(int control) const {
  return static_cast<int>(SendMessageW(Item(control), CB_GETCURSEL, 0, 0));
}

std::string PreferencesPage::Text(int control) const {
  const HWND item = Item(control);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return NarrowToCp949(text);
}

void PreferencesPage::SetText(int control, const std::string& text) const {
  SetWindowTextW(Item(control), WidenCp949(text).c_str());
}

void PreferencesPage::SetupSlider(int slider, int value, int label) const {
  const HWND bar = Item(slider);
  SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(kMinTransparency, kMaxTransparency));
  SendMessageW(bar, TBM_SETLINESIZE, 0, 1);
  SendMessageW(bar, TBM_SETPAGESIZE, 0, 16);
  SendMessageW(bar, TBM_SETPOS, TRUE, ClampTransparency(value));
  ShowSliderLabel(slider, label);
}

int PreferencesPage::SliderValue(int slider) const {
  return ClampTransparency(static_cast<int>(SendMessageW(Item(slider), TBM_GETPOS, 0, 0)));
}

void PreferencesPage::ShowSliderLabel(int slider, int label) const {
  SetText(label, TransparencyLabel(SliderValue(slider)));
}

}  // namespace quillet::win
