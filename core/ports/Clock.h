#pragma once

#include <cstdint>

#include "ports/LocalTime.h"

namespace quillet {

// The time zone as it stands at this moment.
struct ZoneState {
  int offsetSeconds = 0;  // local time minus UTC, daylight saving included
  bool daylight = false;  // daylight saving time is in force
  int daylightBiasMinutes = 0;  // the zone's daylight shift, as Windows gives it (−60 for one hour ahead)
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
  // Seconds since 1970-01-01 00:00 UTC.
  virtual std::int64_t UtcSeconds() const = 0;
  virtual ZoneState Zone() const = 0;
};

}  // namespace quillet
