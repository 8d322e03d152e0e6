#include "platform/Win32Clock.h"

#include "platform/WinApi.h"

namespace quillet::win {

LocalTime Win32Clock::Now() const {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
}

}  // namespace quillet::win
