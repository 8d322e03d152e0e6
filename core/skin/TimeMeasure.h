#pragma once

#include <cstdint>

#include "skin/Measure.h"

namespace quillet {

// The time as seconds since 1970 shifted into the skin's zone, so that the remainder by 60, 3600
// or 43200 is the place within the minute, hour or half day; with a format, the number the
// formatted text starts with.
class TimeMeasure final : public Measure {
 public:
  TimeMeasure(std::string name, const Clock& clock) : Measure(std::move(name)), clock_(clock) {}

  void Update() override;
  std::string Text() const override;

 private:
  void ConfigureType(const SkinSection& section) override;

  const Clock& clock_;
  std::string format_;
  bool local_ = true;                // follows the machine's zone, daylight saving included, on every tick
  std::int64_t fixedOffset_ = 0;     // seconds, for a zone given in hours; fixed when the skin loads
  std::int64_t lastTime_ = 0;
};

}  // namespace quillet
