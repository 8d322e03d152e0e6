#include "platform/Win32Clock.h"

#include "platform/WinApi.h"

namespace quillet::win {

LocalTime Win32Clock::Now() const {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
}

std::int64_t Win32Clock::UtcSeconds() const {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const std::uint64_t ticks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr std::uint64_t kTicksPerSecond = 10000000;
  constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600;
  return static_cast<std::int64_t>(ticks / kTicksPerSecond - kSecondsFrom1601To1970);
}

ZoneState Win32Clock::Zone() const {
  TIME_ZONE_INFORMATION zone{};
  const DWORD which = GetTimeZoneInformation(&zone);
  ZoneState state;
  state.daylight = which == TIME_ZONE_ID_DAYLIGHT;
  state.daylightBiasMinutes = zone.DaylightBias;
  const long bias = zone.Bias + (state.daylight ? zone.DaylightBias : (which == TIME_ZONE_ID_STANDARD ? zone.StandardBias : 0));
  state.offsetSeconds = static_cast<int>(-bias * 60);
  return state;
}

}  // namespace quillet::win
