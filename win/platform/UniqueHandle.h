#pragma once

#include <utility>

namespace quillet::win {

// A handle closed with its owner. Traits names the handle type (Handle), which values hold
// something (Holds) and how one is closed (Close, true when it was).
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Close(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return Traits::Holds(handle_); }
  // For whoever takes the handle over: Windows, a parent, the clipboard.
  Handle Release() { return std::exchange(handle_, Handle{}); }
  void Reset(Handle handle = Handle{}) {
    Close();
    handle_ = handle;
  }
  // Closes now. False only when closing failed: a file can report a deferred write here.
  bool Close() {
    const Handle handle = std::exchange(handle_, Handle{});
    return !Traits::Holds(handle) || Traits::Close(handle);
  }

 private:
  Handle handle_{};
};

}  // namespace quillet::win
