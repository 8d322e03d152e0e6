#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// A moment split into calendar fields (proleptic Gregorian calendar, full year).
struct BrokenDownTime {
  int year = 1970;
  int month = 1;  // 1–12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 4;  // 0 = Sunday
  int yearDay = 0;  // 0–365
};

// BreakDownUtc saturates outside these seconds: -999999-01-01 00:00:00 and
// 999999-12-31 23:59:59 UTC. Years 0 and below are astronomical (0 = 1 BC).
inline constexpr std::int64_t kEarliestBrokenDownSecond = -31619087596800;
inline constexpr std::int64_t kLatestBrokenDownSecond = 31494784780799;

// Like gmtime, for every int64: seconds since 1970-01-01 00:00:00 UTC without leap seconds.
BrokenDownTime BreakDownUtc(std::int64_t secondsSince1970);

// The texts of skin time formats never exceed what the skin engine's buffer held.
inline constexpr std::size_t kMaxFormattedTime = 4095;

// Formats as the Windows C runtime's strftime does in the "C" locale, but never fails:
// - %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y %Y %%, with %c = "%m/%d/%y %H:%M:%S"
//   and %x = "%m/%d/%y" as the classic runtime gives them; %#c = "%A, %B %d, %Y %H:%M:%S" and
//   %#x = "%A, %B %d, %Y" (the long forms keep their zeros).
// - The later additions %C %D %e %F %g %G %h %n %r %R %t %T %u %V, with %r = "%I:%M:%S %p" and
//   ISO 8601 weeks for %V %G %g.
// - %z and %Z give no characters: the time is already in the skin's zone, whose name is unknown.
// - '#' removes leading zeros or spaces from %d %e %H %I %j %m %M %S %U %V %W %y %Y %C and from
//   every number of %D %F %r %R %T; elsewhere it is ignored.
// - Anything else after '%' (%Q, %#Q, %E…, %-d, a '%' or "%#" at the end) is copied as it
//   stands. The format ends at its first NUL byte, as a C string would.
// - Years print with at least four digits ("0999", "-0044"); %y %C %g are floor-based, so
//   year = 100 * %C + %y also below zero. Fields outside their ranges print as numbers as they
//   are; month and weekday names outside them print as "?".
// - The text stops before the first piece that would take it past kMaxFormattedTime bytes;
//   a piece (a conversion's text, a byte or a CP949 double-byte character) is never cut.
std::string FormatTime(std::string_view format, const BrokenDownTime& time);

}  // namespace quillet
