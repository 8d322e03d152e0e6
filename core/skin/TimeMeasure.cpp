#include "skin/TimeMeasure.h"

#include <algorithm>

#include "ports/Clock.h"
#include "skin/SkinFile.h"
#include "skin/SkinWords.h"
#include "text/Numbers.h"
#include "time/TimeFormat.h"

namespace quillet {

namespace {

constexpr double kMaxZoneHours = 24;

}  // namespace

void TimeMeasure::ConfigureType(const SkinSection& section) {
  format_ = section.String("Format", "");
  const std::string zone = section.String("TimeZone", "local");
  local_ = EqualsIgnoringCase(zone, "local");
  if (local_) return;
  // A zone like "1e30" would make no time at all: a zone lies within a day of UTC.
  const double hours = std::clamp(ParseDoubleLikeAtof(zone), -kMaxZoneHours, kMaxZoneHours);
  double offset = hours * 3600;
  const ZoneState state = clock_.Zone();
  if (section.Int("DaylightSavingTime", 1) == 1 && state.daylight) offset -= state.daylightBiasMinutes * 60.0;
  fixedOffset_ = static_cast<std::int64_t>(offset);
}

void TimeMeasure::Update() {
  lastTime_ = clock_.UtcSeconds() + (local_ ? clock_.Zone().offsetSeconds : fixedOffset_);
  value_ = format_.empty() ? static_cast<double>(lastTime_)
                           : ParseDoubleLikeAtof(FormatTime(format_, BreakDownUtc(lastTime_)));
}

std::string TimeMeasure::Text() const {
  return FormatTime(format_.empty() ? "%H:%M:%S" : format_, BreakDownUtc(lastTime_));
}

}  // namespace quillet
