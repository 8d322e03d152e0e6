// The yardstick of the start-up benchmark: the least a Win32 program does to put a window on the
// screen, built and started the same way as Quillet.exe.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, id, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QuilletBenchBareWindow";
  RegisterClassW(&windowClass);
  CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150,
                  nullptr, nullptr, instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
