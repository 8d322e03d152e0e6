#pragma once

#include "platform/UniqueHandle.h"
#include "platform/WinApi.h"

namespace quillet::win {

struct KernelHandleTraits {
  using Handle = HANDLE;
  // CreateFile fails with INVALID_HANDLE_VALUE, most other functions with nullptr.
  static bool Holds(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE handle) { return CloseHandle(handle) != FALSE; }
};

// A file, mutex, process or thread handle, closed with CloseHandle.
using KernelHandle = UniqueHandle<KernelHandleTraits>;

}  // namespace quillet::win
