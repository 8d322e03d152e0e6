#pragma once

#include <memory>

#include "framework/Gdi.h"
#include "framework/GdiPlusSession.h"
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

// Drawing objects shared by the whole program from start-up to shutdown.
struct SharedDrawing {
  Font tahoma;  // "Tahoma", height 13, regular
  std::unique_ptr<OwnedDc> display;
};

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

  HINSTANCE instance_;
  int platformLevel_ = 1;  // 1: the Windows 9x family, 2: the NT family (layered windows, GDI+, widgets)
  HMODULE user32_ = nullptr;
  std::unique_ptr<SingleInstance> singleInstance_;
  Win32FileSystem files_;
  Win32TextCodec codec_;
  Win32Clock clock_;
  RegistrySettings registry_{kSettingsRegistryRoot};
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<MainFrame> frame_;
  std::unique_ptr<GdiPlusSession> gdiPlus_;
  SharedDrawing drawing_;
};

}  // namespace quillet::win
