#include "platform/Win32Clock.h"

#include <optional>
#include <string>

#include "platform/WinApi.h"
#include "time/TestMoment.h"

namespace quillet::win {

namespace {

LocalTime SystemLocalTime() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
}

std::optional<LocalTime> TestNow() {
  char value[64];
  const DWORD length = GetEnvironmentVariableA("QUILLET_TEST_NOW", value, sizeof value);
  if (length == 0 || length >= sizeof value) return std::nullopt;
  return ParseTestMoment(std::string_view(value, length));
}

}  // namespace

Win32Clock::Win32Clock() {
  if (const std::optional<LocalTime> start = TestNow()) shiftSeconds_ = LocalSeconds(*start) - LocalSeconds(SystemLocalTime());
}

LocalTime Win32Clock::Now() const {
  const LocalTime now = SystemLocalTime();
  if (shiftSeconds_ == 0) return now;
  LocalTime shifted = LocalTimeAt(LocalSeconds(now) + shiftSeconds_);
  shifted.millisecond = now.millisecond;
  return shifted;
}

std::int64_t Win32Clock::UtcSeconds() const {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const std::uint64_t ticks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr std::uint64_t kTicksPerSecond = 10000000;
  constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600;
  return static_cast<std::int64_t>(ticks / kTicksPerSecond - kSecondsFrom1601To1970) + shiftSeconds_;
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
