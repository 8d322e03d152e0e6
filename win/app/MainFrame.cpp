#include "app/MainFrame.h"

#include <cstdio>

#include "app/AboutBox.h"
#include "app/SingleInstance.h"
#include "framework/ProgramMessageBox.h"
#include "memo/MemoGroups.h"
#include "memo/MemoMessages.h"
#include "platform/SystemInfo.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

constexpr const wchar_t* kMainFrameClass = L"QuilletMainFrame";
constexpr UINT_PTR kDelayedCloseTimer = 1003;
constexpr UINT kDelayedCloseMilliseconds = 1000;
// Far off every screen, so that nothing of it can ever be seen.
constexpr int kHiddenPosition = -100000;

}  // namespace

MainFrame::MainFrame(const Services& services)
    : services_(services), memoLists_(services.files, services.codec, services.clock) {
  memosVisible_ = services.settings.values().general.viewMemoOnStart != 0;
  commands_.On(ID_APP_ABOUT, [this] { ShowAboutBox(hwnd()); });
  commands_.On(ID_APP_EXIT, [this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); });
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
  OpenCurrentGroup();
}

void MainFrame::OpenCurrentGroup() {
  GeneralSettings& general = services_.settings.values().general;
  const GroupOpenOutcome outcome = OpenGroupList(memoLists_, services_.files, general.dataFolder, std::string(),
                                                 general.memoDbFile, /*force=*/true, NewMemoRecord(general),
                                                 CurrentScreens(), memos_);
  if (outcome.status == GroupOpenStatus::NoDataFolder) {
    ShowProgramMessage(hwnd(), kProgramCannotRunMessage);
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  general.memoDbFile = outcome.read.groupName;
  groupOpen_ = true;
  if (outcome.read.status == ListReadStatus::Unreadable) ShowProgramMessage(hwnd(), kMemoOpenFailedMessage);
}

void MainFrame::WriteMemoList(Report report) {
  if (!groupOpen_) return;
  const GeneralSettings& general = services_.settings.values().general;
  UnsavedFile unsaved;
  const ListWriteStatus status = memoLists_.WriteGroup(general.dataFolder, general.memoDbFile, memos_, &unsaved);
  if (report == Report::Nothing) return;
  if (status == ListWriteStatus::Failed) ShowProgramMessage(hwnd(), kMemoSaveFailedMessage);
  if (status == ListWriteStatus::SavedElsewhere && unsaved.first) {
    char text[1024];
    std::snprintf(text, sizeof text, kMemoSavedElsewhereMessage, unsaved.path.c_str());
    ShowProgramMessage(hwnd(), text);
  }
}

void MainFrame::OnBroadcast(WPARAM request) {
  if (request == kBroadcastShowMemos) memosVisible_ = true;
  if (request == kBroadcastClose) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void MainFrame::OnClose() {
  if (closing_.InProgress()) return;
  // A menu or modal dialog runs its own loop inside some handler of ours: end it and close once
  // it has unwound.
  if (closing_.Begin()) {
    StartTimer(kDelayedCloseTimer, kDelayedCloseMilliseconds);
  } else {
    CloseNow();
  }
}

// Everything is written before the first window goes.
void MainFrame::CloseNow() {
  try {
    WriteMemoList(Report::Failures);
  } catch (...) {
    closing_.Abandon();  // nothing destroyed: the program runs on, and a later close tries again
    throw;
  }
  DestroyWindow(hwnd());
}

// Windows ends the process soon after this returns, without the normal shutdown: the settings
// go first, then the memos, and no box waits for an answer.
void MainFrame::OnEndSession() {
  services_.settings.SaveAll();
  WriteMemoList(Report::Nothing);
}

LRESULT MainFrame::OnMessage(const Message& message) {
  if (message.id == services_.messages.broadcast && message.id != 0) {
    OnBroadcast(message.wParam);
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

    case WM_COMMAND:
      if (commands_.Run(message.CommandId())) return 0;
      return Default(message);
    case WM_TIMER:
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
