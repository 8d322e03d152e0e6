#pragma once

#include <memory>

#include "app/RegisteredMessages.h"
#include "app/SharedDrawing.h"
#include "framework/Gdi.h"
#include "framework/GdiPlusSession.h"
#include "framework/WindowBase.h"
#include "memo/OleSession.h"
#include "platform/RegistrySettings.h"
#include "platform/Win32Clock.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32TextCodec.h"

namespace quillet {
class SettingsStore;
}

namespace quillet::win {

class MainFrame;
class SingleInstance;

// The process: decides whether it may run, loads the settings, runs the hidden main frame and
// saves everything at the end.
class Application {
 public:
  explicit Application(HINSTANCE instance);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The process exit code.
  int Run();

 private:
  bool StartUp();
  void ShutDown();

  // Members go in the reverse order of their release: the frame and its windows first (they hold
  // GDI+ objects and layered windows), GDI+ after them, the instance lock last, so that a new
  // start waits until everything is saved.
  HINSTANCE instance_;
  std::unique_ptr<SingleInstance> singleInstance_;
  RegisteredMessages messages_;
  std::unique_ptr<GdiPlusSession> gdiPlus_;
  std::unique_ptr<OleSession> ole_;  // the memo editors' clipboard, drag and drop and objects
  Win32FileSystem files_;
  Win32TextCodec codec_;
  Win32Clock clock_;
  RegistrySettings registry_{kSettingsRegistryRoot};
  std::unique_ptr<SettingsStore> settings_;
  SharedDrawing drawing_;
  WindowPtr<MainFrame> frame_;
};

}  // namespace quillet::win
