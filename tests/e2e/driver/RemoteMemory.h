// Memory in the process of another program's window: the rich-edit and list-view messages pass
// structures by pointer, which Windows does not carry across processes.
#pragma once

#include <windows.h>

#include <optional>

class RemoteMemory {
 public:
  RemoteMemory(HWND window, SIZE_T size) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (process_) base_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteMemory() {
    if (base_ && !abandoned_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool ok() const { return base_ != nullptr; }
  ULONG_PTR at(SIZE_T offset = 0) const { return reinterpret_cast<ULONG_PTR>(base_) + offset; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, reinterpret_cast<void*>(at(offset)), data, size, &done) && done == size;
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    SIZE_T done = 0;
    return ok() && ReadProcessMemory(process_, reinterpret_cast<void*>(at(offset)), data, size, &done) && done == size;
  }
  template <class T>
  std::optional<T> Read(SIZE_T offset = 0) const {
    T value{};
    if (!Read(offset, &value, sizeof value)) return std::nullopt;
    return value;
  }
  // A message that timed out may still be using the memory once it runs: leave it to the process.
  void Abandon() { abandoned_ = true; }

 private:
  HANDLE process_ = nullptr;
  void* base_ = nullptr;
  bool abandoned_ = false;
};
