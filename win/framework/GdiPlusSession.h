#pragma once

#include <cstdint>

namespace quillet::win {

// GDI+ from start-up to shutdown; a failed start leaves GDI+ drawing to fail quietly.
class GdiPlusSession {
 public:
  GdiPlusSession();
  ~GdiPlusSession();
  GdiPlusSession(const GdiPlusSession&) = delete;
  GdiPlusSession& operator=(const GdiPlusSession&) = delete;

 private:
  std::uintptr_t token_ = 0;
};

}  // namespace quillet::win
