#include "app/Application.h"

#include <commctrl.h>

#include <cstdlib>
#include <ctime>

#include "app/MainFrame.h"
#include "app/SingleInstance.h"
#include "calendar/DayInfoStore.h"
#include "framework/Dpi.h"
#include "framework/Fonts.h"
#include "framework/MessageLoop.h"
#include "memo/StarterFiles.h"
#include "platform/SystemInfo.h"
#include "platform/Win32FileSystem.h"
#include "settings/DataLocations.h"
#include "storage/StaleTemporaryFiles.h"
#include "settings/SettingsStore.h"
#include "platform/Autostart.h"

namespace quillet::win {

Application::Application(HINSTANCE instance) : instance_(instance) {
  // Skins change the current folder; it must never be where DLLs are looked for.
  SetDllDirectoryW(L"");
}

Application::~Application() { ShutDown(); }

int Application::Run() {
  if (!StartUp()) return 0;
  const int code = RunMessageLoop();
  ShutDown();
  return code < 0 ? 1 : code;
}

bool Application::StartUp() {
  singleInstance_ = std::make_unique<SingleInstance>();
  messages_ = RegisteredMessages::Register();
  if (singleInstance_->AnotherIsRunning()) {
    SingleInstance::WakeTheRunningInstance(messages_.broadcast);
    singleInstance_.reset();
    return false;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  ole_ = std::make_unique<OleSession>();

  const std::string programFolder = ProgramFolder();
  const SettingsEnvironment environment{
      programFolder, DocumentsFolder(), MonitorCount(),
      ChooseUserFilesFolder(files_, programFolder, MayWriteFolder(programFolder), PerUserProgramFolder())};
  settings_ = std::make_unique<SettingsStore>(
      files_, registry_, clock_, environment,
      [this](const std::string& folder) { PlaceStarterFiles(files_, folder, kDefaultGroupFile); });
  // The autostart box starts ticked, so a first start registers what it shows.
  const bool firstStart = !registry_.HasSection("General");
  const SettingsLoadReport report = settings_->LoadAll();
  // What writes cut short by a kill or a power cut left beside the files they were replacing.
  const std::string& userFiles = environment.UserFilesFolder();
  for (const std::string& folder : {settings_->values().general.dataFolder, userFiles,
                                    userFiles + kCalendarSkinFolder, programFolder}) {
    RemoveStaleTemporaryFiles(files_, folder, clock_.Now());
  }
  settings_->WriteCommunicationVersion();
  if (firstStart && !settings_->IsPortable() && settings_->values().general.startProgram) SetAutostart(true);

  frame_ = MainFrame::Make(
      MainFrame::Services{instance_, *settings_, files_, codec_, clock_, messages_, drawing_});
  if (!frame_) {
    ShutDown();
    return false;
  }
  ShowWindow(frame_->hwnd(), SW_SHOWMINIMIZED);
  UpdateWindow(frame_->hwnd());

  gdiPlus_ = std::make_unique<GdiPlusSession>();
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  drawing_.tahoma = MakeFont(L"Tahoma", AtDpi(13, SystemDpi()), FW_NORMAL);
  drawing_.display = std::make_unique<OwnedDc>(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));

  frame_->RunStartUpSequence(report);
  return true;
}

// Runs once: after the loop, after a failed start, or from the destructor; what is gone is skipped.
void Application::ShutDown() {
  frame_.reset();
  drawing_.tahoma.Reset();
  drawing_.display.reset();
  if (settings_) settings_->SaveAll();
  settings_.reset();
  gdiPlus_.reset();
  ole_.reset();
  singleInstance_.reset();
}

}  // namespace quillet::win
