#include "app/MainFrame.h"

#include <cstdio>

#include "app/AboutBox.h"
#include "app/SingleInstance.h"
#include "framework/Menus.h"
#include "framework/ProgramMessageBox.h"
#include "memo/PanelZOrder.h"
#include "memo/MemoMessages.h"
#include "resources/GroupResources.h"
#include "resources/WidgetResources.h"
#include "resources/MemoResources.h"
#include "resources/ProgramMessages.h"
#include "platform/SystemInfo.h"
#include "platform/TestTrace.h"
#include "ports/Clock.h"
#include "schedule/NotificationWindow.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

constexpr const wchar_t* kMainFrameClass = L"QuilletMainFrame";
constexpr UINT_PTR kSaveTimer = 1001;
constexpr UINT kSaveMilliseconds = 10000;
constexpr UINT_PTR kDelayedCloseTimer = 1003;
constexpr UINT_PTR kCaptureDelayTimer = 1004;
// A timer, not a posted message: input and painting go first, so a large group's memos come while
// the program answers.
constexpr UINT_PTR kOpenMemosTimer = 1005;
constexpr DWORD kOpenMemosSliceMilliseconds = 250;
// Menus close and the screen settles before it is frozen.
constexpr UINT kCaptureDelayMilliseconds = 150;
constexpr UINT kDelayedCloseMilliseconds = 1000;
// Far off every screen, so that nothing of it can ever be seen.
constexpr int kHiddenPosition = -100000;

}  // namespace

// What the program does, command by command.
MainFrame::MainFrame(const Services& services)
    : services_(services),
      preferenceServices_{nullptr,
                          services.settings,
                          services.files,
                          services.clock,
                          services.settings.Environment().monitorCount,
                          *this} {
  using Arrangement = MemoBoard::Arrangement;
  const auto memos = [this](auto action) {
    return [this, action] {
      if (memos_) action(*memos_);
    };
  };
  commands_.On(ID_NEW_MEMO, memos([](MemoBoard& m) { m.NewMemo(); }));
  commands_.On(ID_SHOW_ALL, memos([](MemoBoard& m) { m.ShowAll(); }));
  commands_.On(ID_HIDE_ALL, memos([](MemoBoard& m) { m.HideAll(); }));
  commands_.On(ID_EXPAND_ALL, memos([](MemoBoard& m) { m.SetAllExpanded(true); }));
  commands_.On(ID_FOLD_ALL, memos([](MemoBoard& m) { m.SetAllExpanded(false); }));
  commands_.On(ID_ARRANGE_ALL, memos([](MemoBoard& m) { m.ArrangeAll(Arrangement::AsTheyAre); }));
  commands_.On(ID_EXPAND_ARRANGE, memos([](MemoBoard& m) { m.ArrangeAll(Arrangement::ExpandedFirst); }));
  commands_.On(ID_FOLD_ARRANGE, memos([](MemoBoard& m) { m.ArrangeAll(Arrangement::FoldedFirst); }));
  commands_.On(ID_ARRANGE_BY_POSITION, memos([](MemoBoard& m) { m.ArrangeByPosition(); }));
  commands_.On(ID_ALL_ON_TOP, memos([](MemoBoard& m) { m.SetAllZPositions(ZPosition::AlwaysOnTop); }));
  commands_.On(ID_ALL_NORMAL, memos([](MemoBoard& m) { m.SetAllZPositions(ZPosition::Normal); }));
  commands_.On(ID_ALL_ON_DESKTOP, memos([](MemoBoard& m) { m.SetAllZPositions(ZPosition::Desktop); }));
  commands_.On(ID_APP_ABOUT, [this] { ShowAboutBox(hwnd()); });
  commands_.On(ID_APP_EXIT, [this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); });
  commands_.On(ID_FIND_MEMOS, memos([this](MemoBoard& m) { search_.Run(hwnd(), m, closing_); }));
  commands_.On(ID_SCHEDULES, [this] { OpenScheduleManager(); });
  commands_.On(ID_CAPTURE, [this] {
    if (!capture_) StartTimer(kCaptureDelayTimer, kCaptureDelayMilliseconds);
  });
  commands_.On(ID_RESTORE_MEMOS, [this] {
    OpenRestoreDialog(GetKeyState(VK_CONTROL) < 0 ? RestoreMode::ManualRecovery : RestoreMode::RecycleBin);
  });
  commands_.On(ID_RECOVER_MEMOS, [this] { OpenRecovery(); });
  commands_.On(ID_EDIT_GROUPS, [this] { OpenGroupsDialog(); });
  commands_.On(ID_SHOW_CALENDAR, [this] {
    if (widgets_) widgets_->ShowCalendar();
  });
  commands_.On(ID_SHOW_SCHEDULE_VIEW, [this] {
    if (widgets_) widgets_->ShowScheduleView();
  });
  commands_.On(ID_SHOW_LAUNCHER, [this] {
    if (widgets_) widgets_->ShowLauncher();
  });
  commands_.On(ID_PREFERENCES, [this] { OpenPreferences(std::nullopt); });
  commands_.On(ID_CLOCK_SETTINGS, [this] { OpenPreferences(PreferencesDialog::kClockPage); });
  commands_.On(ID_CALENDAR_SETTINGS, [this] { OpenPreferences(PreferencesDialog::kCalendarPage); });
  commands_.On(ID_SHOW_CLOCK, [this] {
    if (widgets_) widgets_->ShowClock();
  });
}

WindowPtr<MainFrame> MainFrame::Make(const Services& services) {
  const auto icon = [&](int size) {
    return static_cast<HICON>(LoadImageW(services.instance, MAKEINTRESOURCEW(IDI_QUILLET), IMAGE_ICON, size, size, 0));
  };
  WindowClass frameClass;
  frameClass.name = kMainFrameClass;
  frameClass.icon = icon(GetSystemMetrics(SM_CXICON));
  frameClass.smallIcon = icon(GetSystemMetrics(SM_CXSMICON));
  if (!Register(services.instance, frameClass)) return nullptr;
  WindowPtr<MainFrame> frame(new MainFrame(services));
  // A popup: an overlapped window would be widened to the smallest size a caption needs.
  if (!frame->Create(services.instance, kMainFrameClass, kMainFrameTitle, WS_POPUP, WS_EX_TOOLWINDOW,
                     Placement{kHiddenPosition, kHiddenPosition, 1, 1})) {
    return nullptr;
  }
  frame->StartTimer(kSaveTimer, TestMilliseconds(L"QUILLET_TEST_SAVE_MS", kSaveMilliseconds));
  frame->tray_ = std::make_unique<TrayIcon>(frame->hwnd(), services.instance);
  frame->tray_->Show(services.settings.values().general.showTrayIcon);
  return frame;
}

void MainFrame::RunStartUpSequence(const SettingsLoadReport& settingsReport) {
  const GeneralSettings& general = services_.settings.values().general;
  if (settingsReport.dataFolderUnavailable) {
    char text[1024];
    std::snprintf(text, sizeof text, "메모 폴더 %s 을(를) 찾을 수 없어서 이번에는 %s 폴더를 사용합니다.",
                  general.memoDbFolder.c_str(), general.dataFolder.c_str());
    ShowProgramMessage(hwnd(), text);
    if (closing_.InProgress()) return;  // closed while the box was up
  }
  memos_ = std::make_unique<MemoBoard>(MemoBoard::Services{
      hwnd(), services_.settings, services_.files, services_.codec, services_.clock,
      services_.drawing.tahoma.Get(),
      [this] {
        HideScheduleManager();
        restore_.reset();
      },
      [this] { return MakeProgramMenu(); }, [this] { StartTimer(kOpenMemosTimer, 1); }});
  if (!memos_->OpenGroup(general.memoDbFile, true)) {
    ShowProgramMessage(hwnd(), kProgramCannotRunMessage);
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  widgets_ = std::make_unique<DesktopWidgets>(DesktopWidgets::Services{
      hwnd(), services_.instance, services_.settings, services_.files, services_.clock, *memos_, [this] { return MakeProgramMenu(); },
      [this](const LocalMinute& now) { OnMinute(now); }, [this](const LocalMinute& now) { OnDayChanged(now); },
      [this](SkinCommand command) { RunSetupCommand(command); }, *this, *this});
  widgets_->CreateClock();
  alarms_ = std::make_unique<AlarmScheduler>(AlarmScheduler::Services{
      hwnd(), services_.settings, services_.files, services_.codec, services_.clock,
      [this] { return widgets_->WidgetServices(); },
      [this](const std::string& contentFile) { return memos_->FindByContentFile(contentFile); },
      [this] { return widgets_->clock(); }, [this] { RefreshScheduleViews(); }});
  const bool tooMany = alarms_->StartUp() == AlarmScheduler::StartUpLoad::TooMany;
  widgets_->CreateCalendar();
  const LocalMinute now = ToLocalMinute(services_.clock.Now());
  dayDone_ = now.Code();  // today's anniversaries are announced here, not again at the first tick
  CheckAnniversaries(now);
  widgets_->StartScheduleView(TodayHasSomething());
  widgets_->StartLauncher();
  if (tooMany) OpenScheduleManager();
  tray_->Update(TrayDay());
  RegisterHotkeys();
}

// "LeftBtnClickRun": what a left click on the tray icon does.
void MainFrame::OnTrayLeftClick() {
  switch (services_.settings.values().general.leftBtnClickRun) {
    case TrayClick::ToggleMemos:
      if (memos_) memos_->ToggleShown();
      break;
    case TrayClick::NewMemo:
      if (memos_) memos_->NewMemo();
      break;
    case TrayClick::ScheduleManager:
      OpenScheduleManager();
      break;
    case TrayClick::ShowClock:
      if (widgets_ && widgets_->clock()) widgets_->ShowClock();
      break;
    case TrayClick::ShowCalendar:
      if (widgets_) widgets_->ShowCalendar();
      break;
    case TrayClick::Preferences:
      OpenPreferences(std::nullopt);
      break;
    case TrayClick::FindMemos:
      PostMessageW(hwnd(), WM_COMMAND, ID_FIND_MEMOS, 0);
      break;
    case TrayClick::Groups:
      OpenGroupsDialog();
      break;
    case TrayClick::Nothing:
      break;
  }
}

// Menu 130 with "다른 그룹 열기" filled: the tray's menu and the widgets' "확장 메뉴".
OwnedMenu MainFrame::MakeProgramMenu() {
  OwnedMenu menu(LoadMenuW(services_.instance, MAKEINTRESOURCEW(IDR_TRAY_MENU)));
  if (menu && memos_) memos_->FillGroupMenus(nullptr, SubmenuHolding(GetSubMenu(menu.Get(), 0), ID_GROUP_PLACEHOLDER));
  return menu;
}

void MainFrame::ShowTrayMenu() {
  const OwnedMenu menu = MakeProgramMenu();
  if (!menu) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackMenu(hwnd(), GetSubMenu(menu.Get(), 0), cursor);
}

void MainFrame::OnTray(LPARAM mouse) {
  switch (mouse) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnTrayLeftClick();
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      ShowTrayMenu();
      break;
    default:
      break;
  }
}

// After a suspend the day may have changed.
void MainFrame::OnPower(WPARAM event) {
  if (event == PBT_APMRESUMESUSPEND) OnDayChanged(ToLocalMinute(services_.clock.Now()));
}

void MainFrame::OnMinute(const LocalMinute& now) {
  if (alarms_) alarms_->OnMinute(now);
}

void MainFrame::OnDayChanged(const LocalMinute& now) {
  if (now.Code() == dayDone_) return;
  dayDone_ = now.Code();
  if (widgets_ && widgets_->calendar()) widgets_->calendar()->Refresh();
  CheckAnniversaries(now);
  if (widgets_) widgets_->ScheduleViewOnNewDay(TodayHasSomething());
  tray_->Update(TrayDay());
}

void MainFrame::OnBroadcast(WPARAM request) {
  if (request == kBroadcastShowMemos && memos_) memos_->ShowAll();
  if (request == kBroadcastClose) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void MainFrame::OnClose() {
  if (closing_.InProgress()) return;
  tray_->Show(false);
  // A menu or modal dialog runs its own loop inside some handler of ours: end it and close once
  // it has unwound.
  if (closing_.Begin()) {
    StartTimer(kDelayedCloseTimer, kDelayedCloseMilliseconds);
  } else {
    CloseNow();
  }
}

// Everything is written before the first window goes. Text that cannot be saved keeps the
// program running unless the user lets it go.
void MainFrame::CloseNow() {
  try {
    if (!SaveBeforeClosing()) {
      closing_.Abandon();
      tray_->Show(services_.settings.values().general.showTrayIcon);
      return;
    }
    if (widgets_) widgets_->CloseAll();
    if (memos_) memos_->CloseAll();
  } catch (...) {
    closing_.Abandon();  // nothing destroyed: the program runs on, and a later close tries again
    throw;
  }
  DestroyWindow(hwnd());
}

bool MainFrame::SaveBeforeClosing() {
  if (!memos_) return true;
  while (!memos_->SaveChanged(true, MemoBoard::Report::Asked) || !memos_->WriteList(MemoBoard::Report::Asked)) {
    if (ShowProgramMessage(hwnd(), kMemoSaveFailedOnCloseQuestion, MessageKind::Retry) != IDRETRY) return false;
  }
  return true;
}

// Windows ends the process soon after this returns, without the normal shutdown: the settings
// go first, then the memos, and no box waits for an answer.
void MainFrame::OnEndSession() {
  if (widgets_) widgets_->StoreStates();
  services_.settings.SaveAll();
  if (memos_) memos_->SaveForSessionEnd();
}

void MainFrame::NewMemo() {
  if (memos_) memos_->NewMemo();
}

void MainFrame::MoveMemoToGroup(HWND memo, const std::string& groupFile) {
  if (memos_) memos_->MoveToGroup(memo, groupFile);
}

void MainFrame::NotificationClosed() {
  if (alarms_) alarms_->ForgetClosedNotifications();
}

LRESULT MainFrame::OnMessage(const Message& message) {
  if (message.id == services_.messages.broadcast && message.id != 0) {
    OnBroadcast(message.wParam);
    return 0;
  }
  if (message.id == services_.messages.taskbarCreated && message.id != 0) {
    tray_->Restore();
    return 0;
  }
  switch (message.id) {
    case WM_WINDOWPOSCHANGING: {
      // Whatever asks it to show, minimise or move, the frame stays hidden where it was made.
      auto* position = reinterpret_cast<WINDOWPOS*>(message.lParam);
      position->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
      position->flags |= SWP_NOMOVE | SWP_NOSIZE;
      return Default(message);
    }

    case WM_COMMAND: {
      const UINT id = message.CommandId();
      if (id >= ID_OPEN_GROUP_FIRST && id <= ID_OPEN_GROUP_LAST) {
        if (memos_) memos_->OpenGroupAt(static_cast<int>(id - ID_OPEN_GROUP_FIRST));
        if (groups_) groups_->Refill();
        return 0;
      }
      if (commands_.Run(id)) return 0;
      return Default(message);
    }
    case kTrayIconMessage:
      OnTray(message.lParam);
      return 0;
    case WM_HOTKEY:
      OnHotkey(static_cast<int>(message.wParam));
      return 0;
    case WM_POWERBROADCAST:
      OnPower(message.wParam);
      return TRUE;
    case WM_TIMER:
      if (message.TimerId() == kSaveTimer) {
        if (closing_.InProgress()) return 0;
        TraceLine("save tick", services_.clock.Now());
        if (memos_) memos_->SaveChanged(false, MemoBoard::Report::Once);
        if (widgets_) widgets_->SaveMovedPositions();
        TraceLine("save done", services_.clock.Now());
        return 0;
      }
      if (message.TimerId() == kOpenMemosTimer) {
        if (closing_.InProgress()) return 0;  // again once the closing ends or is given up
        StopTimer(kOpenMemosTimer);
        if (memos_) memos_->MakeWaitingWindows(kOpenMemosSliceMilliseconds);
        return 0;
      }
      if (message.TimerId() == kCaptureDelayTimer) {
        StopTimer(kCaptureDelayTimer);
        if (!capture_ && !closing_.InProgress()) capture_ = CaptureWindow::Make(hwnd());
        return 0;
      }
      if (message.TimerId() == kDelayedCloseTimer) {
        StopTimer(kDelayedCloseTimer);
        // Still inside a loop that has not unwound (a dialog opened meanwhile): end it, wait again.
        if (closing_.Begin()) {
          StartTimer(kDelayedCloseTimer, kDelayedCloseMilliseconds);
        } else {
          CloseNow();
        }
        return 0;
      }
      return Default(message);
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (message.wParam) OnEndSession();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return Default(message);
  }
}

}  // namespace quillet::win
