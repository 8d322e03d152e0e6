#include "platform/Shell.h"

#include "platform/WinApi.h"

#include <shldisp.h>

namespace quillet::win {

bool MinimizeAllWindows() {
  IShellDispatch* shell = nullptr;
  if (FAILED(CoCreateInstance(__uuidof(Shell), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellDispatch),
                              reinterpret_cast<void**>(&shell))) ||
      !shell) {
    return false;
  }
  const bool done = SUCCEEDED(shell->MinimizeAll());
  shell->Release();
  return done;
}

}  // namespace quillet::win
