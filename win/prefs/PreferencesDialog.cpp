#include "prefs/PreferencesDialog.h"

#include "framework/PostedCall.h"
#include "framework/Screen.h"
#include "prefs/ColorPage.h"
#include "prefs/MemoPage.h"
#include "prefs/ProgramPage.h"
#include "prefs/ShortcutPage.h"
#include "prefs/WidgetPages.h"
#include "resources/PreferenceResources.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kFocusTimer = 1;
constexpr UINT kFocusDelayMilliseconds = 500;
constexpr int kButtonStep = 45;
constexpr int kButtonSize = 44;

struct PageButtonInfo {
  int control;
  int picture;
  const char* tip;
};

constexpr PageButtonInfo kPageButtons[PreferencesDialog::kPageCount] = {
    {IDC_PAGE_MEMO, IDB_PREFS_MEMO, "일반"},           {IDC_PAGE_PROGRAM, IDB_PREFS_PROGRAM, "프로그램"},
    {IDC_PAGE_COLORS, IDB_PREFS_COLORS, "색상"},       {IDC_PAGE_SHORTCUTS, IDB_PREFS_SHORTCUTS, "단축키"},
    {IDC_PAGE_CLOCK, IDB_PREFS_CLOCK, "시계"},         {IDC_PAGE_CALENDAR, IDB_PREFS_CALENDAR, "달력"},
};

}  // namespace

PreferencesDialog::PreferencesDialog(const PreferencesServices& services)
    : Dialog(IDD_PREFERENCES), services_(services) {}

PreferencesDialog::~PreferencesDialog() = default;

WindowPtr<PreferencesDialog> PreferencesDialog::Make(const PreferencesServices& services, Page page, int focus) {
  WindowPtr<PreferencesDialog> dialog(new PreferencesDialog(services));
  dialog->shown_ = page;
  if (!dialog->CreateModeless(Modeless{services.frame, false, true}) || !dialog->hwnd()) return nullptr;
  dialog->ShowPage(page, focus);
  if (!dialog->pages_[dialog->shown_]) return nullptr;
  ShowWindow(dialog->hwnd(), SW_SHOW);
  SetForegroundWindow(dialog->hwnd());
  return dialog;
}

bool PreferencesDialog::OnInit() {
  RECT first{};
  GetWindowRect(Item(kPageButtons[0].control), &first);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&first), 2);
  for (int i = 0; i < kPageCount; ++i) {
    const HWND button = Item(kPageButtons[i].control);
    buttons_[i].Take(button);
    buttons_[i].LoadPicture(kPageButtons[i].picture);
    SetWindowPos(button, nullptr, first.left, first.top + i * kButtonStep, kButtonSize, kButtonSize,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    tips_.Add(button, kPageButtons[i].tip);
  }

  GetWindowRect(Item(IDC_PAGE_FRAME), &pageArea_);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&pageArea_), 2);
  InflateRect(&pageArea_, -1, -1);
  CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
  return false;
}

// Made all at once, the six pages kept the dialog over half a second from showing under Wine: a
// page is made the first time it shows, and stays.
PreferencesPage* PreferencesDialog::PageAt(Page page) {
  if (pages_[page]) return pages_[page].get();
  WindowPtr<PreferencesPage> made;
  switch (page) {
    case kMemoPage: made.reset(new MemoPage(services_)); break;
    case kProgramPage: made.reset(new ProgramPage(services_)); break;
    case kColorPage: made.reset(new ColorPage(services_)); break;
    case kShortcutPage: made.reset(new ShortcutPage(services_)); break;
    case kClockPage: made.reset(new ClockPage(services_)); break;
    case kCalendarPage: made.reset(new CalendarPage(services_)); break;
    default: break;
  }
  if (!made || !made->Make(hwnd(), pageArea_)) return nullptr;
  pages_[page] = std::move(made);
  return pages_[page].get();
}

void PreferencesDialog::ShowPage(Page page, int focus) {
  if (page < 0 || page >= kPageCount || !PageAt(page)) page = kMemoPage;
  if (!PageAt(page)) return;
  shown_ = page;
  for (int i = 0; i < kPageCount; ++i) {
    if (pages_[i]) ShowWindow(pages_[i]->hwnd(), i == page ? SW_SHOW : SW_HIDE);
    buttons_[i].SetChecked(i == page);
  }
  EnableWindow(Item(IDC_PAGE_DEFAULTS), page != kShortcutPage);
  focus_ = page == kShortcutPage ? focus : -1;
  if (focus_ >= 0) StartTimer(kFocusTimer, kFocusDelayMilliseconds);
}

void PreferencesDialog::RefreshHotkeys() {
  for (WindowPtr<PreferencesPage>& page : pages_) {
    if (page) page->RefreshHotkeys();
  }
}

// The page shown is stored, and everything saved; pages 0 and 1 change how the memos look.
void PreferencesDialog::Apply() {
  pages_[shown_]->Apply();
  if (shown_ == kMemoPage || shown_ == kProgramPage) services_.host.ApplyMemoSettings();
  services_.host.SaveSettings();
}

void PreferencesDialog::OnOK() {
  if (shown_ == kShortcutPage) {
    auto* shortcuts = static_cast<ShortcutPage*>(pages_[kShortcutPage].get());
    if (shortcuts->RunBoxHasFocus()) {
      shortcuts->RunBox();
      return;
    }
  }
  pages_[shown_]->Apply();
  TellHostClosed(true);
}

void PreferencesDialog::OnCancel() { TellHostClosed(false); }

void PreferencesDialog::TellHostClosed(bool applied) const {
  PostCall<PreferencesHost>(services_.frame, [applied](PreferencesHost& host) { host.PreferencesClosed(applied); });
}

void PreferencesDialog::OnCommand(UINT id, UINT notification) {
  if (notification == BN_CLICKED) {
    for (int i = 0; i < kPageCount; ++i) {
      if (static_cast<int>(id) == kPageButtons[i].control) return ShowPage(static_cast<Page>(i));
    }
    if (id == IDC_PAGE_DEFAULTS) return pages_[shown_]->Reset();
    if (id == IDC_APPLY) return Apply();
  }
  Dialog::OnCommand(id, notification);
}

bool PreferencesDialog::OnMessage(const Message& message, LRESULT& result) {
  if (message.id == WM_TIMER && message.TimerId() == kFocusTimer) {
    StopTimer(kFocusTimer);
    if (shown_ == kShortcutPage) static_cast<ShortcutPage*>(pages_[kShortcutPage].get())->FocusTarget(focus_);
    result = 0;
    return true;
  }
  return false;
}

}  // namespace quillet::win
