#pragma once

namespace quillet {

// A wall-clock moment in the user's time zone, as the Windows SYSTEMTIME gives it.
struct LocalTime {
  int year = 1970;
  int month = 1;  // 1-12
  int day = 1;    // 1-31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int weekday = 4;  // 0 = Sunday
};

}  // namespace quillet
