#include "platform/Win32Clock.h"

#include <optional>
#include <string>

#include "platform/KernelHandle.h"
#include "platform/TestTrace.h"
#include "platform/WinApi.h"
#include "time/TestMoment.h"

namespace quillet::win {

namespace {

constexpr std::uint64_t kMovesLookMilliseconds = 100;

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

std::wstring MovesFile() {
  wchar_t value[MAX_PATH + 1];
  const DWORD length = GetEnvironmentVariableW(L"QUILLET_TEST_NOW_FILE", value, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return {};
  return std::wstring(value, length);
}

// 0 when the file is not there.
std::uint64_t LastWrite(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// The moment the file holds (a line break after it is allowed); nothing while it cannot be read.
std::optional<LocalTime> MomentIn(const std::wstring& path) {
  KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  char text[64];
  DWORD got = 0;
  const BOOL read = ReadFile(file.Get(), text, sizeof text, &got, nullptr);
  file.Reset();
  if (!read) return std::nullopt;
  std::string_view moment(text, got);
  while (!moment.empty() && (moment.back() == '\n' || moment.back() == '\r')) moment.remove_suffix(1);
  return ParseTestMoment(moment);
}

}  // namespace

Win32Clock::Win32Clock() : movesFile_(MovesFile()) {
  if (const std::optional<LocalTime> start = TestNow()) shiftSeconds_ = LocalSeconds(*start) - LocalSeconds(SystemLocalTime());
  // A file left from an earlier run moves nothing until it is written again.
  if (!movesFile_.empty()) movesWritten_ = LastWrite(movesFile_);
}

// Nothing posts a move to the program: its one-second heartbeat calls the clock, and the first
// call after the file changed sees the new moment, as after the system clock was set.
void Win32Clock::FollowMoves() const {
  if (movesFile_.empty()) return;
  const std::uint64_t tick = GetTickCount64();
  if (tick < nextLook_) return;
  nextLook_ = tick + kMovesLookMilliseconds;
  const std::uint64_t written = LastWrite(movesFile_);
  if (written == 0 || written == movesWritten_) return;
  // Unreadable or bad (half written): looked at again later.
  const std::optional<LocalTime> to = MomentIn(movesFile_);
  if (!to) return;
  movesWritten_ = written;
  shiftSeconds_ = LocalSeconds(*to) - LocalSeconds(SystemLocalTime());
  TraceLine("clock moved", *to);
}

LocalTime Win32Clock::Now() const {
  FollowMoves();
  const LocalTime now = SystemLocalTime();
  if (shiftSeconds_ == 0) return now;
  LocalTime shifted = LocalTimeAt(LocalSeconds(now) + shiftSeconds_);
  shifted.millisecond = now.millisecond;
  return shifted;
}

std::int64_t Win32Clock::UtcSeconds() const {
  FollowMoves();
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
