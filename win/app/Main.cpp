#include "app/Application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The command line is not read: the program takes no arguments ("/logon" from autostart included).
  quillet::win::Application application(instance);
  return application.Run();
}
